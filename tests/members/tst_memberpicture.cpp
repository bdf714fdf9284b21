#include "TestSupport.h"

#include "data/Database.h"
#include "members/MemberPicture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace picture = pw::members::picture;

class TestMemberPicture : public QObject {
    Q_OBJECT
private slots:
    void fileTypeOf_data();
    void fileTypeOf();
    void scaledLongerSide_data();
    void scaledLongerSide();
    void storedType_data();
    void storedType();
    void writeReplacesAtomically();
    void failedWriteKeepsOldFile();
    void unreadableFileIsReported();
    void filterEntries();
    void chooserCanBeReplaced();
};

void TestMemberPicture::fileTypeOf_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("type");
    QTest::newRow("plain") << "/home/a/photo.jpg"
                           << "jpg";
    QTest::newRow("as typed") << "/home/a/PHOTO.JPG"
                              << "JPG";
    QTest::newRow("last dot wins") << "/home/a/me.old.png"
                                   << "png";
    QTest::newRow("digits") << "C:/pics/scan.mp4"
                            << "mp4";
    QTest::newRow("no dot") << "/home/a/photo"
                            << "";
    QTest::newRow("dot only in folder") << "/home/a.b/photo"
                                        << "";
    QTest::newRow("trailing dot") << "/home/a/photo."
                                  << "";
    QTest::newRow("climbing path") << "x.png/../../evil"
                                   << "";
    QTest::newRow("slash in type") << "/tmp/x./evil"
                                   << "";
    QTest::newRow("blank") << "/tmp/x.jp g"
                           << "";
    QTest::newRow("non-ascii letter") << QString::fromUtf8("/tmp/x.jpé") << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestMemberPicture::fileTypeOf()
{
    QFETCH(QString, path);
    QFETCH(QString, type);
    QCOMPARE(picture::fileTypeOf(path), type);
}

void TestMemberPicture::scaledLongerSide_data()
{
    QTest::addColumn<QSize>("original");
    QTest::addColumn<QSize>("result");
    QTest::newRow("wide") << QSize(1000, 500) << QSize(165, 83);
    QTest::newRow("tall") << QSize(300, 900) << QSize(55, 165);
    QTest::newRow("square") << QSize(640, 640) << QSize(165, 165);
    QTest::newRow("tiny enlarged") << QSize(16, 8) << QSize(165, 83);
    QTest::newRow("exact") << QSize(165, 100) << QSize(165, 100);
    QTest::newRow("one pixel high") << QSize(2000, 1) << QSize(165, 1);
}

void TestMemberPicture::scaledLongerSide()
{
    QFETCH(QSize, original);
    QFETCH(QSize, result);
    QImage image(original, QImage::Format_RGB32);
    image.fill(Qt::red);
    QCOMPARE(picture::scaled(image).size(), result);
}

void TestMemberPicture::storedType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("stored");
    QTest::newRow("jpg") << "jpg"
                         << "jpg";
    QTest::newRow("JPEG as typed") << "JPEG"
                                   << "JPEG";
    QTest::newRow("png") << "png"
                         << "png";
    QTest::newRow("bmp") << "bmp"
                         << "bmp";
    QTest::newRow("unwritable psd") << "psd"
                                    << "png";
    QTest::newRow("unknown") << "xyz"
                             << "png";
}

void TestMemberPicture::storedType()
{
    QFETCH(QString, type);
    QFETCH(QString, stored);
    QCOMPARE(picture::storedFileType(type), stored);
    // Whatever is stored can be written here.
    QVERIFY(QImageWriter::supportedImageFormats().contains(stored.toLower().toLatin1()));
}

void TestMemberPicture::writeReplacesAtomically()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("7.jpg"));
    QImage first(165, 100, QImage::Format_RGB32);
    first.fill(Qt::blue);
    picture::write(first, path, QStringLiteral("jpg"));
    QImage second(100, 165, QImage::Format_RGB32);
    second.fill(Qt::green);
    picture::write(second, path, QStringLiteral("JPG"));

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage back = reader.read();
    QCOMPARE(back.size(), QSize(100, 165));
    // Full quality: a flat colour comes back (almost) exactly.
    const QColor centre = back.pixelColor(50, 80);
    QVERIFY(qAbs(centre.green() - 255) <= 2 && centre.red() <= 2 && centre.blue() <= 2);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("7.jpg") }); // no leftovers
}

void TestMemberPicture::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("8.png"));
    QImage old(10, 10, QImage::Format_RGB32);
    old.fill(Qt::blue);
    QVERIFY(old.save(path));
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    // A null image cannot be written: the old file must stay as it was.
    QVERIFY_THROWS_EXCEPTION(pw::Error, picture::write(QImage(), path, QStringLiteral("png")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("8.png") });
    // A folder that does not exist is reported, not ignored.
    QVERIFY_THROWS_EXCEPTION(pw::Error, picture::write(old, dir.filePath(QStringLiteral("none/9.png")), "png"));
}

void TestMemberPicture::unreadableFileIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fake.jpg"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not an image at all");
    f.close();
    try {
        picture::read(path);
        QFAIL("no error for an unreadable file");
    } catch (const pw::Error& e) {
        QVERIFY(e.text().contains(QStringLiteral("fake.jpg")));
        QVERIFY(e.text().contains(QStringLiteral("could not be read")));
    }
}

void TestMemberPicture::filterEntries()
{
    const QStringList filters = picture::fileFilters();
    QCOMPARE(filters.size(), 9);
    QVERIFY(filters.first().startsWith(QStringLiteral("Bitmap Files (*.bmp)")));
    QVERIFY(filters.at(1).startsWith(QStringLiteral("JPEG Files (*.jpg, *.jpeg)")));
    QVERIFY(filters.last().startsWith(QStringLiteral("All Image Files (")));
    for (const char* pattern :
        { "*.bmp", "*.jpg", "*.jpeg", "*.pcx", "*.png", "*.gif", "*.wbm", "*.wbmp", "*.psd", "*.tif", "*.tiff" })
        QVERIFY2(filters.last().contains(QLatin1String(pattern)), pattern);
}

// The picture is asked for through the context's chooser, as an open dialog
// titled "Select Image" that starts on "All Image Files".
void TestMemberPicture::chooserCanBeReplaced()
{
    pw::test::TestEnv env;
    env.files.answers = { QStringLiteral("/tmp/chosen.png") };
    QCOMPARE(picture::chooseImageFile(nullptr), QStringLiteral("/tmp/chosen.png"));
    QCOMPARE(env.files.asked.size(), 1);
    const pw::FileRequest& asked = env.files.asked.first();
    QCOMPARE(asked.kind, pw::FileRequest::Kind::Picture);
    QVERIFY(!asked.saving());
    QCOMPARE(asked.caption, QStringLiteral("Select Image"));
    QCOMPARE(asked.filters, picture::fileFilters());
    QCOMPARE(asked.selectedFilter, picture::fileFilters().last());
    QVERIFY(picture::chooseImageFile(nullptr).isEmpty()); // cancelled
}

QTEST_MAIN(TestMemberPicture)
#include "tst_memberpicture.moc"
