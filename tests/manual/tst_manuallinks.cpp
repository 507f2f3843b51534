#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

// The manual as the build leaves it beside the program: every link and picture resolves inside it,
// every page is reached from the index, and the pictures taken from the windows are real images.
class TestManualLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void linksResolve_data();
    void linksResolve();
    void everyPageIsReachedFromTheIndex();

private:
    QDir m_manual{QStringLiteral(VELNORA_MANUAL_DIR)};
};

namespace
{

QString readPage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return {};
    return QString::fromUtf8(file.readAll());
}

// Every href and src of a page, as written.
QStringList linksOf(const QString &html)
{
    static const QRegularExpression attribute(QStringLiteral(R"re((?:href|src)\s*=\s*"([^"]*)")re"));
    QStringList links;
    for (auto it = attribute.globalMatch(html); it.hasNext();)
        links.append(it.next().captured(1));
    return links;
}

} // namespace

void TestManualLinks::initTestCase()
{
    QVERIFY2(m_manual.exists(QStringLiteral("index.html")), qPrintable(m_manual.path()));
}

void TestManualLinks::linksResolve_data()
{
    QTest::addColumn<QString>("page");
    for (const QString &page : m_manual.entryList({QStringLiteral("*.html")}, QDir::Files))
        QTest::newRow(qPrintable(page)) << page;
}

void TestManualLinks::linksResolve()
{
    QFETCH(QString, page);
    const QString html = readPage(m_manual.filePath(page));
    QVERIFY(!html.isEmpty());
    const QStringList links = linksOf(html);
    QVERIFY(!links.isEmpty());
    for (const QString &link : links) {
        const QUrl url(link);
        // The manual is read offline from the disk: no web addresses, no paths out of its folder.
        QVERIFY2(url.isRelative() && !link.startsWith(u'/') && !link.contains(QStringLiteral("..")),
                 qPrintable(link));
        const QString file = url.path();
        QVERIFY2(m_manual.exists(file) && QFileInfo(m_manual.filePath(file)).isFile(), qPrintable(link));
        if (url.hasFragment())
            QVERIFY2(
                readPage(m_manual.filePath(file)).contains(QStringLiteral("id=\"%1\"").arg(url.fragment())),
                qPrintable(link));
        if (file.endsWith(QStringLiteral(".png"))) {
            const QImage picture(m_manual.filePath(file));
            QVERIFY2(!picture.isNull() && picture.width() > 100 && picture.height() > 100, qPrintable(link));
        }
    }
}

void TestManualLinks::everyPageIsReachedFromTheIndex()
{
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        for (const QString &link : linksOf(readPage(m_manual.filePath(page)))) {
            const QString file = QUrl(link).path();
            if (file.endsWith(QStringLiteral(".html")) && !reached.contains(file)) {
                reached.insert(file);
                queue.append(file);
            }
        }
    }
    const QStringList pages = m_manual.entryList({QStringLiteral("*.html")}, QDir::Files);
    QCOMPARE(QSet<QString>(pages.begin(), pages.end()), reached);
}

QTEST_GUILESS_MAIN(TestManualLinks)
#include "tst_manuallinks.moc"
