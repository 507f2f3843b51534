#pragma once

#include "edit/CheckResult.h"

#include <QObject>

namespace velnora
{

class MainWindow;

// The edit commands: "編集", "取消" and the double clicks on the edit-type options.
class EditController : public QObject
{
    Q_OBJECT

public:
    explicit EditController(MainWindow *window);

    void edit();              // Command1 "編集"
    void cancel();            // Command2 "取消"
    void convertToEnglish();  // double click on Option1
    void convertToJapanese(); // double click on Option2

    // Kuhakuchui and the first-line rule; true when the edit must stop (the message is shown).
    bool inputMissing();
    // Hutekisetuchui (unsuitable-character check): confirms the edit type and, for "en" and
    // "en + ja", scans every character of the three fields.
    CheckResult hutekisetuchui();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void convertFields(QString (*convert)(const QString &));
    void selectRejected(int field, qsizetype position, qsizetype length);

    MainWindow *m_window;
};

} // namespace velnora
