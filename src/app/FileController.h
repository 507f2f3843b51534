#pragma once

#include <QObject>

namespace velnora
{

class MainWindow;

// The file commands: "新規", "開く", the saves, "クリア" and "終了".
class FileController : public QObject
{
    Q_OBJECT

public:
    explicit FileController(MainWindow *window);

    // Text_ari: the question before clearing; 0 when all three boxes are empty (nothing asked),
    // otherwise the answer, 1 OK or 2 Cancel.
    int textAri();

    void clearDocument(); // "クリア"
    void newDocument();   // 新規
    void openDocument();  // 開く
    void save();          // "保存" and, with their flag raised, the two save menu commands
    void saveOverwrite(); // 上書き保存
    void saveAs();        // 名前を付けて保存
    void exit();          // a click on "終了"

    // The name the next file dialog of either kind starts from.
    QString lastFileName() const { return m_lastFileName; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void saveWithDialog();
    // True when the file was written; otherwise the user has been told why.
    bool writeDocument(const QString &path);
    void askSaveCommands(); // the question on releasing a mouse button over "終了"

    MainWindow *m_window;
    QString m_lastFileName;
};

} // namespace velnora
