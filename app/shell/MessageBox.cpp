#include "MessageBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>

namespace {
MessageBox::Hook& TheHook() {
    static MessageBox::Hook hook;
    return hook;
}

QPushButton* MakeButton(const QString& name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFixedSize(MessageBox::ButtonWidth, MessageBox::ButtonHeight);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}
} // namespace

MessageBox::MessageBox(const QString& text, int type, QWidget* parent)
    : BaseDlg(parent), m_nType(type == TypeYesNo ? TypeYesNo : TypeOk) {
    setObjectName(QStringLiteral("MessageBox"));
    setWindowTitle(QStringLiteral("Tivra Wattsight"));
    const QFont font = MessageFont();
    setFont(font);
    setStyleSheet(
        QStringLiteral("MessageBox{background:white;}"
                       "QLabel#textLabel{color:rgb(40,46,56);}"
                       "QLabel#captionLabel{color:rgb(150,158,170);}"
                       "QPushButton#OKbtn,QPushButton#Yesbtn,QPushButton#Nobtn{border:none;border-image:url(:"
                       "/skin/btn1.png);"
                       "color:rgb(40,46,56);}"
                       "QPushButton#OKbtn:hover,QPushButton#Yesbtn:hover,QPushButton#Nobtn:hover{border-"
                       "image:url(:/skin/btn2.png);}"
                       "QPushButton#OKbtn:pressed,QPushButton#Yesbtn:pressed,QPushButton#Nobtn:pressed{"
                       "border-image:url(:/skin/btn3.png);}"));

    auto* caption = new QLabel(QStringLiteral("Tivra Wattsight"), this);
    caption->setObjectName(QStringLiteral("captionLabel"));
    caption->move(12, 9);

    m_pText = new QLabel(text, this);
    m_pText->setObjectName(QStringLiteral("textLabel"));
    m_pText->setAlignment(Qt::AlignCenter);
    m_pOk = MakeButton(QStringLiteral("OKbtn"), this);
    m_pYes = MakeButton(QStringLiteral("Yesbtn"), this);
    m_pNo = MakeButton(QStringLiteral("Nobtn"), this);
    m_pOk->setText(tr("OK"));
    m_pYes->setText(tr("Yes"));
    m_pNo->setText(tr("No"));
    connect(m_pOk, &QPushButton::clicked, this, &MessageBox::on_OKbtn_clicked);
    connect(m_pYes, &QPushButton::clicked, this, &MessageBox::on_Yesbtn_clicked);
    connect(m_pNo, &QPushButton::clicked, this, &MessageBox::on_Nobtn_clicked);

    const int width = qMax(MinWidth, QFontMetrics(font).horizontalAdvance(text) + 100);
    setFixedSize(width, BoxHeight);
    m_pText->setGeometry(0, 60, width, 20);
    m_pOk->move(width / 2 - ButtonWidth / 2, 90);
    m_pYes->move(width / 2 - 100, 90);
    m_pNo->move(width / 2 + 20, 90);
    m_pOk->setVisible(m_nType == TypeOk);
    m_pYes->setVisible(m_nType == TypeYesNo);
    m_pNo->setVisible(m_nType == TypeYesNo);
    (m_nType == TypeOk ? m_pOk : m_pYes)->setDefault(true);
}

QString MessageBox::Text() const {
    return m_pText->text();
}

QFont MessageBox::MessageFont() {
    QFont font(QStringLiteral("宋体"), 9);
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans CJK TC"), QStringLiteral("WenQuanYi Micro Hei")});
    return font;
}

void MessageBox::SetHook(Hook hook) {
    TheHook() = std::move(hook);
}

bool MessageBox::HasHook() {
    return bool(TheHook());
}

void MessageBox::on_OKbtn_clicked() {
    m_nResult = 1;
    close();
}

void MessageBox::on_Yesbtn_clicked() {
    m_nResult = 1;
    close();
}

void MessageBox::on_Nobtn_clicked() {
    m_nResult = 0;
    close();
}

bool MessageBox::AnswerWithoutUser(const QString& text, int type, int* answer) {
    const QByteArray fixed = qgetenv("WATTSIGHT_MESSAGE_ANSWER");
    const QString platform = QGuiApplication::platformName();
    const bool headless = platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    if (fixed.isEmpty() && !headless) {
        return false;
    }
    // Without anyone to ask, OK is the only sensible answer to a notice and No
    // the safe one to a question.
    *answer = fixed.isEmpty() ? (type == TypeYesNo ? 0 : 1) : (fixed.trimmed() == "1" ? 1 : 0);
    QTextStream(stderr) << "Tivra Wattsight: " << text << '\n';
    return true;
}

int ShowMessage(const QString& text, int type, QWidget* parent) {
    int answer = 0;
    if (!MessageBox::HasHook() && MessageBox::AnswerWithoutUser(text, type, &answer)) {
        return answer;
    }
    MessageBox box(text, type, parent);
    if (MessageBox::HasHook()) {
        return TheHook()(box);
    }
    box.raise();
    box.exec();
    return box.Result();
}
