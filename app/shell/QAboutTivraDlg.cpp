#include "QAboutTivraDlg.h"

#include "AboutCard.h"

#include <QLabel>

QAboutTivraDlg::QAboutTivraDlg(QWidget* parent) : BaseDlg(parent) {
    setObjectName(QStringLiteral("QAboutTivraDlg"));
    setWindowTitle(tr("About Tivra Wattsight"));
    const QList<QPair<QString, QString>> card = {
        {tr("Software Name:"), QStringLiteral("Tivra Wattsight")},
        {tr("Software version number:"), QLatin1String(Version)},
    };
    m_Lines = AboutCard::Build(this, tr("About Tivra Wattsight"), card);
}

QList<QPair<QString, QString>> QAboutTivraDlg::Lines() const {
    return AboutCard::Texts(m_Lines);
}
