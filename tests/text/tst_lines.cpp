#include "text/Lines.h"

#include <QtTest>

using namespace velnora;
using namespace Qt::StringLiterals;

class TestLines : public QObject
{
    Q_OBJECT

private slots:
    void cutIntoPieces_data();
    void cutIntoPieces();
    void readTextLines_data();
    void readTextLines();
    void everyBreakBecomesCrLf_data();
    void everyBreakBecomesCrLf();
};

void TestLines::cutIntoPieces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty text") << QString() << QStringList();
    QTest::newRow("one piece") << u"abc"_s << QStringList{u"abc"_s};
    QTest::newRow("two pieces") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("trailing break gives empty piece") << u"a\r\n"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("only a break") << u"\r\n"_s << QStringList{QString(), QString()};
    QTest::newRow("empty lines inside") << u"a\r\n\r\nb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("lone lf does not cut") << u"a\nb"_s << QStringList{u"a\nb"_s};
    QTest::newRow("lone cr does not cut") << u"a\rb"_s << QStringList{u"a\rb"_s};
    QTest::newRow("lf cr does not cut") << u"a\n\rb"_s << QStringList{u"a\n\rb"_s};
    QTest::newRow("cr before crlf") << u"a\r\r\nb"_s << QStringList{u"a\r"_s, u"b"_s};
    QTest::newRow("blank piece kept") << u" \r\n　"_s << QStringList{u" "_s, u"　"_s};
    QTest::newRow("tabs stay") << u"0\tA\tB\r\n1\tx"_s << QStringList{u"0\tA\tB"_s, u"1\tx"_s};
}

void TestLines::cutIntoPieces()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(pieces(text), expected);
}

void TestLines::readTextLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty file") << QString() << QStringList();
    QTest::newRow("last line without end") << u"x\r\ny"_s << QStringList{u"x"_s, u"y"_s};
    QTest::newRow("last line with end") << u"x\r\ny\r\n"_s << QStringList{u"x"_s, u"y"_s};
    QTest::newRow("one line without end") << u"x"_s << QStringList{u"x"_s};
    QTest::newRow("only a break") << u"\r\n"_s << QStringList{QString()};
    QTest::newRow("empty lines") << u"\r\n\r\na\r\n"_s << QStringList{QString(), QString(), u"a"_s};
    QTest::newRow("lone cr ends a line") << u"a\rb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone cr at the end") << u"a\r"_s << QStringList{u"a"_s};
    QTest::newRow("lone lf stays") << u"a\nb\r\n"_s << QStringList{u"a\nb"_s};
    QTest::newRow("lf only file is one line") << u"a\nb\nc\n"_s << QStringList{u"a\nb\nc\n"_s};
    QTest::newRow("cr cr lf") << u"a\r\r\nb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("lf cr") << u"a\n\rb"_s << QStringList{u"a\n"_s, u"b"_s};
    QTest::newRow("lf after crlf starts the next line") << u"a\r\n\nb"_s << QStringList{u"a"_s, u"\nb"_s};
    QTest::newRow("disc line") << u"0\tA\tB\r\n1\tT"_s << QStringList{u"0\tA\tB"_s, u"1\tT"_s};
    QTest::newRow("blanks kept") << u"  a  \r\n"_s << QStringList{u"  a  "_s};
}

void TestLines::readTextLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(readLines(text), expected);
}

// The one line-break rule; text already in CR LF comes back as it is, without being rewritten.
void TestLines::everyBreakBecomesCrLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF kept") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lone LF first") << QStringLiteral("\na") << QStringLiteral("\r\na");
    QTest::newRow("lone CR last") << QStringLiteral("a\r\nb\r") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("CR before CR LF") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\r\n\r\nb");
    QTest::newRow("LF CR is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a\r\n\r\nb");
}

void TestLines::everyBreakBecomesCrLf()
{
    QFETCH(QString, text);
    QTEST(withCrLf(text), "expected");
}

QTEST_GUILESS_MAIN(TestLines)
#include "tst_lines.moc"
