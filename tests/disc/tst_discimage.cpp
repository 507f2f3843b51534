#include <QTest>
class TestDiscImage : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestDiscImage)
#include "tst_discimage.moc"
