#include "app/EditController.h"

#include "app/MainWindow.h"
#include "edit/CdTextLayout.h"
#include "edit/CharacterCheck.h"
#include "edit/InputCheck.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

namespace velnora
{

EditController::EditController(MainWindow *window) : QObject(window), m_window(window)
{
    connect(m_window->command(1), &QPushButton::clicked, this, &EditController::edit);
    connect(m_window->command(2), &QPushButton::clicked, this, &EditController::cancel);
    m_window->option(1)->installEventFilter(this);
    m_window->option(2)->installEventFilter(this);
}

bool EditController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_window->option(1)) {
            m_window->option(1)->setChecked(true);
            convertToEnglish();
            return true;
        }
        if (watched == m_window->option(2)) {
            m_window->option(2)->setChecked(true);
            convertToJapanese();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool EditController::inputMissing()
{
    const InputProblem problem = checkInput(m_window->album(), m_window->artist(), m_window->titles());
    if (problem == InputProblem::None)
        return false;
    m_window->platform().messageBox(m_window, inputProblemText(problem), inputProblemTitle(problem),
                                    Platform::Icon::Stop, Platform::Buttons::Ok);
    return true;
}

CheckResult EditController::hutekisetuchui()
{
    Platform &platform = m_window->platform();
    const EditType type = m_window->editType();
    const int answer = platform.messageBox(m_window, confirmationText(type), confirmationTitle(),
                                           Platform::Icon::Question, Platform::Buttons::YesNo);
    if (type == EditType::Ja)
        return answer == Platform::No ? CheckResult::JaDeclined : CheckResult::CheckPassed;
    if (answer == Platform::No)
        return CheckResult::EnDeclined;

    const auto rejected = scanForEnglish(m_window->album(), m_window->artist(), m_window->titles());
    if (!rejected)
        return CheckResult::CheckPassed;
    platform.messageBox(m_window, rejectionText(rejected->character), rejectionTitle(), Platform::Icon::Stop,
                        Platform::Buttons::Ok);
    selectRejected(rejected->field, rejected->position, rejected->character.size());
    return CheckResult::CharacterRejected;
}

void EditController::selectRejected(int field, qsizetype position, qsizetype length)
{
    QWidget *box = m_window->text1(field);
    // In the edited state the field is hidden or disabled; focus and selection stay as they are.
    if (!box->isVisibleTo(m_window) || !box->isEnabled())
        return;
    box->setFocus(Qt::OtherFocusReason);
    if (field != 3) {
        static_cast<QLineEdit *>(box)->setSelection(int(position), int(length));
        return;
    }
    // The document counts a line break as one position, the text as two (CR LF).
    const QString text = m_window->titles();
    const qsizetype breaks = QStringView(text).left(position).count(QStringLiteral("\r\n"));
    QPlainTextEdit *titleBox = m_window->titleBox();
    QTextCursor cursor = titleBox->textCursor();
    cursor.setPosition(int(position - breaks));
    cursor.setPosition(int(position - breaks + length), QTextCursor::KeepAnchor);
    titleBox->setTextCursor(cursor);
}

void EditController::edit()
{
    MainWindow &w = *m_window;
    // 1-3: nothing changes before these pass.
    if (inputMissing())
        return;
    if (!editMayGoOn(hutekisetuchui()))
        return;
    // 4
    w.delHenshumoji();
    // 5: the replacements stay in the fields.
    const QString album = replaceQuotes(w.album());
    const QString artist = replaceQuotes(w.artist());
    const QString titles = replaceQuotes(w.titles());
    if (album != w.album())
        w.setAlbum(album);
    if (artist != w.artist())
        w.setArtist(artist);
    if (titles != w.titles())
        w.setTitles(titles);
    // 6: the plain titles; read back as the input of the conversion.
    w.writeSnapshot(w.titles());
    // 8
    WindowState &state = w.state();
    state.KeepAlbum = keepName(album);
    state.KeepArtist = keepName(artist);
    // 7, 9-11: the title box is set once, with the whole layout.
    const QStringList lines = w.snapshotLines();
    if (!lines.isEmpty())
        state.LineStr = lines.constLast();
    w.setTitles(cdTextLayout(w.editType(), state.KeepAlbum, state.KeepArtist, lines));
    // 12
    w.platform().messageBox(&w, QStringLiteral("編集処理は完了しました。\r\n保存ボタンを押してください"),
                            QStringLiteral("編集完了"), Platform::Icon::Information, Platform::Buttons::Ok);
    // 13: unchecking runs the switch's own handling, which returns to the pre-edit state.
    if (w.check1()->isChecked())
        w.check1()->setChecked(false);
    // 14
    w.enterEditedState();
}

void EditController::cancel()
{
    MainWindow &w = *m_window;
    WindowState &state = w.state();
    if (w.album().isEmpty())
        w.setAlbum(state.KeepAlbum);
    if (w.artist().isEmpty())
        w.setArtist(state.KeepArtist);
    const QStringList lines = w.snapshotLines();
    QString titles;
    for (const QString &line : lines) {
        titles += line;
        titles += QStringLiteral("\r\n");
    }
    if (!lines.isEmpty())
        state.LineStr = lines.constLast();
    w.setTitles(titles);
    w.henshumae();
}

void EditController::convertToEnglish()
{
    m_window->henshumae();
    convertFields(englishText);
}

void EditController::convertToJapanese()
{
    m_window->henshumae();
    convertFields(japaneseText);
}

void EditController::convertFields(QString (*convert)(const QString &))
{
    MainWindow &w = *m_window;
    const QString album = convert(w.album());
    if (album != w.album())
        w.setAlbum(album);
    const QString artist = convert(w.artist());
    if (artist != w.artist())
        w.setArtist(artist);
    const QString titles = convert(w.titles());
    if (titles != w.titles())
        w.setTitles(titles);
}

} // namespace velnora
