#include "edit/CharacterCheck.h"
#include "messages/Messages.h"

#include <QTest>

using namespace velnora;

class TestEditCharCheck : public QObject
{
    Q_OBJECT

private slots:
    void scan_data();
    void scan();
    void messages();
};

void TestEditCharCheck::scan_data()
{
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<int>("field"); // 0: nothing rejected
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("character");

    const QString x = QStringLiteral("X");
    QTest::newRow("full-width letters and digits pass")
        << QStringLiteral("ＡＢＣ") << QStringLiteral("１２３") << QStringLiteral("Ａ！　ｚ") << 0 << 0
        << QString();
    QTest::newRow("tilde in a title")
        << x << x << QStringLiteral("Best ~Live~") << 3 << 5 << QStringLiteral("~");
    QTest::newRow("full-width tilde narrows to tilde")
        << x << x << QStringLiteral("a～") << 3 << 1 << QStringLiteral("～");
    QTest::newRow("hiragana in the artist, album fine")
        << QStringLiteral("Abc") << QStringLiteral("あいう") << QStringLiteral("朝") << 2 << 0
        << QStringLiteral("あ");
    QTest::newRow("kanji in the album")
        << QStringLiteral("Blue 空") << x << x << 1 << 5 << QStringLiteral("空");
    QTest::newRow("full-width katakana") << x << x << QStringLiteral("ア") << 3 << 0 << QStringLiteral("ア");
    QTest::newRow("voiced katakana") << x << x << QStringLiteral("ab ガ") << 3 << 3 << QStringLiteral("ガ");
    QTest::newRow("half-width katakana") << x << x << QStringLiteral("ｱ") << 3 << 0 << QStringLiteral("ｱ");
    QTest::newRow("Japanese punctuation")
        << x << x << QStringLiteral("a。「・ー") << 3 << 1 << QStringLiteral("。");
    QTest::newRow("long vowel mark") << x << x << QStringLiteral("ー") << 3 << 0 << QStringLiteral("ー");
    QTest::newRow("control character 127")
        << x << x << QStringLiteral("a\x7f") << 3 << 1 << QStringLiteral("\x7f");
    QTest::newRow("position counts line breaks")
        << x << x << QStringLiteral("AB\r\n\r\nC・D") << 3 << 7 << QStringLiteral("・");
    QTest::newRow("apostrophe, backslash and quote pass") << QStringLiteral("Tom's") << QStringLiteral("a\\b")
                                                          << QStringLiteral("\"q\"") << 0 << 0 << QString();
    QTest::newRow("yen sign and curly quotes narrow to ASCII")
        << QStringLiteral("￥") << QStringLiteral("’") << QStringLiteral("”") << 0 << 0 << QString();
    QTest::newRow("tabs, braces and empty lines pass") << QStringLiteral("a\tb") << QStringLiteral("{|}")
                                                       << QStringLiteral("A\r\n\r\nB") << 0 << 0 << QString();
    QTest::newRow("character cp932 cannot hold")
        << x << QStringLiteral("Café") << x << 2 << 3 << QStringLiteral("é");
    QTest::newRow("character outside the basic plane is one character")
        << x << x << QStringLiteral("a\U0001F3B5b") << 3 << 1 << QStringLiteral("\U0001F3B5");
    QTest::newRow("first rejected field wins") << QStringLiteral("ok") << QStringLiteral("ア")
                                               << QStringLiteral("イ") << 2 << 0 << QStringLiteral("ア");
}

void TestEditCharCheck::scan()
{
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    QFETCH(int, field);
    QFETCH(int, position);
    QFETCH(QString, character);
    const auto rejected = scanForEnglish(album, artist, titles);
    QCOMPARE(rejected.has_value(), field != 0);
    if (!rejected)
        return;
    QCOMPARE(rejected->field, field);
    QCOMPARE(rejected->position, qsizetype(position));
    QCOMPARE(rejected->character, character);
}

void TestEditCharCheck::messages()
{
    QCOMPARE(messages::question(Question::EditTypeEn).text, QStringLiteral("en 編集でよいですか？"));
    QCOMPARE(messages::question(Question::EditTypeEnJa).text, QStringLiteral("en + ja 編集でよいですか？"));
    QCOMPARE(messages::question(Question::EditTypeJa).text, QStringLiteral("ja 編集でよいですか？"));
    QCOMPARE(
        messages::rejectionText(QStringLiteral("あ")),
        QStringLiteral("下記の不適切な日本語全角文字を修正してください\r\nまたは 編集種類をja にしてください"
                       "\r\n\r\n不適切文字は【 あ 】です"));
}

QTEST_GUILESS_MAIN(TestEditCharCheck)
#include "tst_editcharcheck.moc"
