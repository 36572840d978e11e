#pragma once

#include "BaseDlg.h"

#include <functional>

class QLabel;
class QPushButton;

// The program's one message dialog: a line of text with OK (type 0) or Yes and
// No (type 1). OK and Yes give 1; No and every other way out give 0.
class MessageBox : public BaseDlg {
    Q_OBJECT
public:
    enum Type { TypeOk = 0, TypeYesNo = 1 };
    static constexpr int MinWidth = 250;
    static constexpr int BoxHeight = 140;
    static constexpr int ButtonWidth = 80;
    static constexpr int ButtonHeight = 26;

    MessageBox(const QString& text, int type, QWidget* parent = nullptr);

    int Result() const { return m_nResult; }
    QString Text() const;
    int Type() const { return m_nType; }

    // "宋体" 9 pt where it exists, else a CJK face that draws Chinese.
    static QFont MessageFont();

    // Tests answer boxes without a modal loop: the hook gets the box, built and
    // laid out, instead of exec(), and its return value is the result.
    using Hook = std::function<int(MessageBox& box)>;
    static void SetHook(Hook hook);
    static bool HasHook();

private slots:
    void on_OKbtn_clicked();
    void on_Yesbtn_clicked();
    void on_Nobtn_clicked();

private:
    friend int ShowMessage(const QString& text, int type, QWidget* parent);
    // Without a screen to show it on (offscreen runs, or an answer fixed by the
    // environment), the box is logged and answered instead of waiting for a click.
    static bool AnswerWithoutUser(const QString& text, int type, int* answer);

    QLabel* m_pText;
    QPushButton* m_pOk;
    QPushButton* m_pYes;
    QPushButton* m_pNo;
    int m_nType;
    int m_nResult = 0;
};

// Raises the box, runs it modally and returns its result.
int ShowMessage(const QString& text, int type = MessageBox::TypeOk, QWidget* parent = nullptr);
