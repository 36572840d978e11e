#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// One answering address in the search's list: the address, the model the
// inverter reported, a name to add it under and the add button. An inverter
// the plant has already shows its name and cannot be added again.
class QFindInverterItem : public QWidget {
    Q_OBJECT
public:
    QFindInverterItem(int address, const QString& model, const QString& name, bool addable,
                      QWidget* parent = nullptr);

    int Address() const { return m_nAddress; }
    QString Model() const { return m_strModel; }
    QString Name() const;
    bool IsAddable() const;
    void SetAddable(bool addable);
    void Retranslate();

signals:
    void add();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void on_pushButton_clicked();

private:
    int m_nAddress;
    QString m_strModel;
    QLabel* m_pAddress;
    QLabel* m_pModel;
    QLineEdit* m_pName;
    QPushButton* m_pAdd;
};
