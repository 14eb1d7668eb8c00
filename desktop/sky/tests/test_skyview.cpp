#include <QtTest>
class TestSkyView : public QObject { Q_OBJECT };
QTEST_MAIN(TestSkyView)
#include "test_skyview.moc"
