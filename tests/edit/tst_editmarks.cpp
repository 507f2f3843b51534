#include "document/Document.h"
#include "edit/CdTextLayout.h"
#include "edit/EditMarks.h"
#include "edit/InputCheck.h"
#include "text/Lines.h"
#include "text/Width.h"

#include <QRandomGenerator>
#include <QTest>

using namespace velnora;

namespace
{

// The conversion as the edit command runs it on the three fields.
QString editLayout(EditType type, const QString &album, const QString &artist, const QString &titles)
{
    const QString plain = replaceQuotes(removeEditMarks(titles));
    return cdTextLayout(type, keepName(replaceQuotes(album)), keepName(replaceQuotes(artist)),
                        readLines(plain));
}

QString numbered(int count, const QString &prefix)
{
    QString s;
    for (int i = 1; i <= count; ++i)
        s +=
            prefix + QString::number(i) + QStringLiteral("\tt") + QString::number(i) + QStringLiteral("\r\n");
    return s;
}

QString plainNumbered(int count)
{
    QString s;
    for (int i = 1; i <= count; ++i)
        s += QStringLiteral("t") + QString::number(i) + QStringLiteral("\r\n");
    return s;
}

// Random documents of the kinds that broke the removal before: gaps, blanks, full-width text,
// names ending in digits, titles ending in "ja".
class DocumentMaker
{
public:
    explicit DocumentMaker(quint32 seed) : m_random(seed) {}

    QString name()
    {
        QString s = word();
        if (chance(40))
            s += QLatin1Char(' ') + QString::number(m_random.bounded(1, 2000));
        return blanks() + s + blanks();
    }

    QString titles()
    {
        const int count = m_random.bounded(1, 121);
        QStringList lines;
        for (int i = 0; i < count; ++i) {
            const int kind = m_random.bounded(100);
            if (i > 0 && kind < 15)
                lines.append(QString());
            else if (kind < 20)
                lines.append(QStringLiteral(" ").repeated(m_random.bounded(1, 4)));
            else
                lines.append(title());
        }
        QString text = lines.join(QStringLiteral("\r\n"));
        if (chance(50))
            text += QStringLiteral("\r\n");
        return text;
    }

    EditType type()
    {
        const EditType types[] = {EditType::En, EditType::Ja, EditType::EnJa};
        return types[m_random.bounded(3)];
    }

private:
    bool chance(int percent) { return int(m_random.bounded(100)) < percent; }

    QString word()
    {
        static const QStringList words = {
            QStringLiteral("Morning"), QStringLiteral("Rain"),   QStringLiteral("Best"),
            QStringLiteral("Ninja"),   QStringLiteral("ja"),     QStringLiteral("Tom's"),
            QStringLiteral("\"Q\""),   QStringLiteral("a\\b"),   QStringLiteral("~x~"),
            QStringLiteral("1999"),    QStringLiteral("12"),     QStringLiteral("ＡＢＣ"),
            QStringLiteral("１２３"),  QStringLiteral("！"),     QStringLiteral("朝"),
            QStringLiteral("のうた"),  QStringLiteral("ガイド"), QStringLiteral("ｶﾞｲﾄﾞ"),
            QStringLiteral("ア"),      QStringLiteral("ー"),     QStringLiteral("「夜」。"),
            QStringLiteral("en"),      QStringLiteral("0"),      QStringLiteral("Vol.4")};
        return words.at(m_random.bounded(int(words.size())));
    }

    QString blanks()
    {
        static const QStringList choices = {QString(), QString(), QStringLiteral(" "), QStringLiteral("　"),
                                            QStringLiteral("  　")};
        return choices.at(m_random.bounded(int(choices.size())));
    }

    QString title()
    {
        QString s = word();
        const int more = m_random.bounded(3);
        for (int i = 0; i < more; ++i)
            s += (chance(50) ? QStringLiteral(" ") : QStringLiteral("　")) + word();
        if (chance(15))
            s += QStringLiteral("ja");
        if (chance(10))
            s = QString::number(m_random.bounded(1, 200)) + QLatin1Char(' ') + s;
        return blanks() + s + blanks();
    }

    QRandomGenerator m_random;
};

// Title lines of the first block: number -> title.
QList<std::pair<int, QString>> firstBlockTitles(const QString &layout)
{
    QList<std::pair<int, QString>> titles;
    const QStringList lines = layout.split(QStringLiteral("\r\n"));
    for (qsizetype i = 2; i < lines.size() && !lines.at(i).isEmpty(); ++i) {
        const qsizetype tab = lines.at(i).indexOf(QLatin1Char('\t'));
        titles.append({lines.at(i).left(tab).toInt(), lines.at(i).mid(tab + 1)});
    }
    return titles;
}

} // namespace

class TestEditMarks : public QObject
{
    Q_OBJECT

private slots:
    void removal_data();
    void removal();
    void roundTrip();
};

void TestEditMarks::removal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");

    QTest::newRow("plain titles unchanged")
        << QStringLiteral("Morning\r\nRain") << QStringLiteral("Morning\r\nRain");
    QTest::newRow("plain full-width titles not narrowed")
        << QStringLiteral("ＡＢ\r\nアイ\r\n") << QStringLiteral("ＡＢ\r\nアイ\r\n");
    QTest::newRow("tag without line break is no tag")
        << QStringLiteral("english\r\n1\tA") << QStringLiteral("english\r\n1\tA");
    QTest::newRow("en layout") << QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n2\tRain\r\n")
                               << QStringLiteral("Morning\r\nRain\r\n");
    QTest::newRow("ja layout is narrowed")
        << QStringLiteral("ja\r\n0\tＳｋｙ\tＴｏｍ\r\n1\tａｂｃ\r\n2\tガイド\r\n")
        << QStringLiteral("abc\r\nｶﾞｲﾄﾞ\r\n");
    QTest::newRow("full-width tag line recognised")
        << QStringLiteral("ｅｎ\r\n０\tA\tB\r\n１\tx\r\n２\ty\r\n") << QStringLiteral("x\r\ny\r\n");
    QTest::newRow("ja block of en + ja cut away")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tx\r\n2\ty\r\n\r\nja\r\n0\tＡ\tＢ\r\n1\tｘ\r\n2\tｙ\r\n")
        << QStringLiteral("x\r\ny\r\n");
    QTest::newRow("tag and disc line only stay, narrowed")
        << QStringLiteral("ja\r\n0\tＢｅｓｔ\tＴｏｍ\r\n") << QStringLiteral("ja\r\n0\tBest\tTom\r\n");
    QTest::newRow("tag and disc line only, album ending in 1")
        << QStringLiteral("en\r\n0\tBest 1\tTom\r\n") << QStringLiteral("en\r\n0\tBest 1\tTom\r\n");
    QTest::newRow("album ending in 1 is no marker")
        << QStringLiteral("en\r\n0\tBest 1\tTom\r\n1\tA\r\n2\tB\r\n") << QStringLiteral("A\r\nB\r\n");
    QTest::newRow("album 1999, artist ending in 2")
        << QStringLiteral("en\r\n0\t1999\tTom 2\r\n1\tA\r\n2\tB\r\n") << QStringLiteral("A\r\nB\r\n");
    QTest::newRow("album ending in 4 with three titles")
        << QStringLiteral("en\r\n0\tVol 4\tTom\r\n1\tA\r\n2\tB\r\n3\tC\r\n")
        << QStringLiteral("A\r\nB\r\nC\r\n");
    QTest::newRow("gaps come back as empty lines")
        << QStringLiteral("en\r\n0\tBlue Sky\tSora Trio\r\n1\tMorning\r\n3\tRain\r\n4\tNight\r\n")
        << QStringLiteral("Morning\r\n\r\nRain\r\nNight\r\n");
    QTest::newRow("gaps in en + ja")
        << QStringLiteral("en\r\n0\tBlue Sky\tSora Trio\r\n1\tMorning\r\n3\tRain\r\n4\tNight\r\n\r\n"
                          "ja\r\n0\tＢｌｕｅ　Ｓｋｙ\tＳｏｒａ　Ｔｒｉｏ\r\n1\tＭｏｒｎｉｎｇ\r\n3\tＲａｉｎ"
                          "\r\n4\tＮｉｇｈｔ\r\n")
        << QStringLiteral("Morning\r\n\r\nRain\r\nNight\r\n");
    QTest::newRow("untitled first track comes back as an empty line")
        << QStringLiteral("en\r\n0\tA\tB\r\n2\tTwo\r\n3\tThree\r\n")
        << QStringLiteral("\r\nTwo\r\nThree\r\n");
    QTest::newRow("en + ja numbered from 3")
        << QStringLiteral("en\r\n0\tA\tB\r\n3\tx\r\n\r\nja\r\n0\tＡ\tＢ\r\n3\tｘ\r\n")
        << QStringLiteral("\r\n\r\nx\r\n");
    QTest::newRow("wide gap") << QStringLiteral("ja\r\n0\tA\tB\r\n1\tx\r\n5\ty\r\n")
                              << QStringLiteral("x\r\n\r\n\r\n\r\ny\r\n");
    QTest::newRow("titles ending in ja are not cut")
        << QStringLiteral(
               "en\r\n0\tA\tB\r\n1\tNinja\r\n2\tja\r\n3\tRain\r\n\r\nja\r\n0\tＡ\tＢ\r\n1\tＮｉｎｊａ\r\n")
        << QStringLiteral("Ninja\r\nja\r\nRain\r\n");
    QTest::newRow("en layout with titles ending in ja")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tNinja\r\n2\tja\r\n") << QStringLiteral("Ninja\r\nja\r\n");
    QTest::newRow("empty title keeps its line")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tx\r\n2\t\r\n3\ty\r\n") << QStringLiteral("x\r\n \r\ny\r\n");
    QTest::newRow("title holding a number and a tab")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\t2\tx\r\n2\ty\r\n") << QStringLiteral("2\tx\r\ny\r\n");
    QTest::newRow("no final line break")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tx\r\n2\ty") << QStringLiteral("x\r\ny");
    QTest::newRow("other lines keep their place")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tx\r\nnote\r\n3\ty\r\n")
        << QStringLiteral("x\r\nnote\r\ny\r\n");
    QTest::newRow("lines before the first title dropped")
        << QStringLiteral("en\r\n0\tA\tB\r\nremark\r\n1\tx\r\n") << QStringLiteral("x\r\n");
    QTest::newRow("falling number is text") << QStringLiteral("en\r\n0\tA\tB\r\n1\tx\r\n3\ty\r\n2\tz\r\n")
                                            << QStringLiteral("x\r\n\r\ny\r\n2\tz\r\n");
    QTest::newRow("leading zero is text")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tx\r\n02\ty\r\n") << QStringLiteral("x\r\n02\ty\r\n");
    QTest::newRow("huge number is text, not a gap")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tx\r\n100000\ty\r\n") << QStringLiteral("x\r\n100000\ty\r\n");
    QTest::newRow("numbers from 10 on")
        << numbered(12, QString()).prepend(QStringLiteral("en\r\n0\tA\tB\r\n")) << plainNumbered(12);
    QTest::newRow("numbers from 100 on lose the whole marker")
        << numbered(105, QString()).prepend(QStringLiteral("ja\r\n0\tA\tB\r\n")) << plainNumbered(105);
}

void TestEditMarks::removal()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(removeEditMarks(text), plain);
}

void TestEditMarks::roundTrip()
{
    DocumentMaker maker(20240607);
    for (int round = 0; round < 300; ++round) {
        const EditType type = maker.type();
        const QString album = maker.name();
        const QString artist = maker.name();
        const QString titles = maker.titles();
        QVERIFY(checkInput(album, artist, titles) == InputProblem::None);
        const QString first = editLayout(type, album, artist, titles);

        // Saved and loaded again: the disc lines fill album and artist, then the marks go.
        Document loaded;
        loadLines(loaded, readLines(first));
        const QString plain = removeEditMarks(loaded.titles);
        // The converter takes the type from the file it loads.
        QVERIFY2(layoutEditType(loaded.titles) == type, qPrintable(QStringLiteral("round %1").arg(round)));
        QVERIFY2(checkInput(loaded.album, loaded.artist, plain) == InputProblem::None,
                 qPrintable(QStringLiteral("round %1").arg(round)));

        // Every title is back on the line of its track number; gaps are empty lines.
        const QStringList lines = pieces(plain);
        const auto numberedTitles = firstBlockTitles(first);
        int expectedLine = 1;
        for (const auto &[number, title] : numberedTitles) {
            for (; expectedLine < number; ++expectedLine)
                QVERIFY2(lines.value(expectedLine - 1).isEmpty(),
                         qPrintable(QStringLiteral("round %1 line %2").arg(round).arg(expectedLine)));
            const QString expected = title.isEmpty() ? QStringLiteral(" ") : narrow(title);
            QVERIFY2(lines.value(number - 1) == expected,
                     qPrintable(QStringLiteral("round %1 track %2: %3").arg(round).arg(number).arg(title)));
            expectedLine = number + 1;
        }

        // Editing the loaded document again gives the same layout.
        const QString second = editLayout(type, loaded.album, loaded.artist, plain);
        QVERIFY2(second == first,
                 qPrintable(QStringLiteral("round %1:\n%2\n---\n%3").arg(round).arg(first, second)));
        // And editing the layout in place (a second "編集") as well.
        QCOMPARE(editLayout(type, album, artist, first), first);
    }
}

QTEST_GUILESS_MAIN(TestEditMarks)
#include "tst_editmarks.moc"
