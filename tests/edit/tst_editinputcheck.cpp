#include "edit/InputCheck.h"
#include "messages/Messages.h"

#include <QTest>

using namespace velnora;

class TestEditInputCheck : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
};

void TestEditInputCheck::checks_data()
{
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("text"); // empty: the edit goes on
    QTest::addColumn<QString>("title");

    const QString missing = QStringLiteral("入力漏れ");
    QTest::newRow("all empty: only the album is reported")
        << QString() << QString() << QString() << QStringLiteral("アルバム名が入力されていません") << missing;
    QTest::newRow("album and artist empty") << QString() << QString() << QStringLiteral("A")
                                            << QStringLiteral("アルバム名が入力されていません") << missing;
    QTest::newRow("artist and titles empty")
        << QStringLiteral("X") << QString() << QString()
        << QStringLiteral("アーティスト名が入力されていません") << missing;
    QTest::newRow("titles empty") << QStringLiteral("X") << QStringLiteral("Y") << QString()
                                  << QStringLiteral("曲名が入力されていません") << missing;
    QTest::newRow("titles only a line break")
        << QStringLiteral("X") << QStringLiteral("Y") << QStringLiteral("\r\n")
        << QStringLiteral("曲名の一行目は改行しちゃダメ") << QStringLiteral("改行禁止");
    QTest::newRow("first title line empty")
        << QStringLiteral("X") << QStringLiteral("Y") << QStringLiteral("\r\nA")
        << QStringLiteral("曲名の一行目は改行しちゃダメ") << QStringLiteral("改行禁止");
    QTest::newRow("missing field wins over empty first line")
        << QString() << QStringLiteral("Y") << QStringLiteral("\r\nA")
        << QStringLiteral("アルバム名が入力されていません") << missing;
    QTest::newRow("space then line break passes")
        << QStringLiteral("X") << QStringLiteral("Y") << QStringLiteral(" \r\nA") << QString() << QString();
    QTest::newRow("empty line further down passes") << QStringLiteral("X") << QStringLiteral("Y")
                                                    << QStringLiteral("A\r\n\r\nB") << QString() << QString();
    QTest::newRow("album of one space passes")
        << QStringLiteral(" ") << QStringLiteral("Y") << QStringLiteral("A") << QString() << QString();
    QTest::newRow("ideographic space and line break count as text")
        << QStringLiteral("　") << QStringLiteral("\r\n") << QStringLiteral("A") << QString() << QString();
}

void TestEditInputCheck::checks()
{
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    QFETCH(QString, text);
    QFETCH(QString, title);
    const InputProblem problem = checkInput(album, artist, titles);
    QCOMPARE(problem == InputProblem::None, text.isEmpty());
    QCOMPARE(messages::inputProblemText(problem), text);
    QCOMPARE(messages::inputProblemTitle(problem), title);
}

QTEST_GUILESS_MAIN(TestEditInputCheck)
#include "tst_editinputcheck.moc"
