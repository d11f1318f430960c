#include "common/TextBoundary.h"

#include <QTest>

#include <memory>

namespace vesk::uitest {

class TextBoundaryTest : public QObject {
    Q_OBJECT
private slots:
    void bytesReadByTheOneRule_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii") << QByteArray("look") << QStringLiteral("look");
        QTest::newRow("utf8") << QByteArray("caf\xc3\xa9") << QString::fromUtf8("caf\xc3\xa9");
        QTest::newRow("latin1") << QByteArray("caf\xe9") << QString::fromUtf8("caf\xc3\xa9");
        QTest::newRow("no replacement character")
            << QByteArray("\xff\xfe") << QString::fromUtf8("\xc3\xbf\xc3\xbe");
    }
    void bytesReadByTheOneRule() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(toQString(std::string_view(bytes.constData(), std::size_t(bytes.size()))), shown);
    }

    void typedTextInEitherEncoding() {
        const QString typed = QString::fromUtf8("caf\xc3\xa9 \xe2\x98\xba");
        QCOMPARE(toBytes(typed), std::string("caf\xc3\xa9 \xe2\x98\xba"));
        QCOMPARE(toBytes(typed, Decoding::Latin1), std::string("caf\xe9 ?"));
    }

    // Unchanged text gives back the loaded bytes, an edit undone too; a change is encoded.
    void keptTextGivesBackItsBytesWhileUnchanged() {
        const KeptText kept(std::string("caf\xe9"));
        QCOMPARE(kept.text(), QString::fromUtf8("caf\xc3\xa9"));
        QCOMPARE(kept.bytesFor(kept.text()), std::string("caf\xe9"));
        QCOMPARE(kept.bytesFor(kept.text() + "!"), std::string("caf\xc3\xa9!"));
        QCOMPARE(kept.bytesFor(kept.text() + "!", Decoding::Latin1), std::string("caf\xe9!"));
        QCOMPARE(keptBytes(QString::fromUtf8("caf\xc3\xa9"), "caf\xe9"), std::string("caf\xe9"));
    }

    void localFileNamesRoundTrip() {
        const QString path = QString::fromUtf8("/tmp/journ\xc3\xa9"
                                               "e.txt");
        QCOMPARE(fromLocalBytes(toLocalBytes(path)), path);
        const KeptText kept(toLocalBytes(path), KeptText::Kind::LocalPath);
        QCOMPARE(kept.text(), path);
    }
};

} // namespace vesk::uitest

std::unique_ptr<QObject> createTextBoundaryTest() {
    return std::make_unique<vesk::uitest::TextBoundaryTest>();
}

#include "TextBoundaryTest.moc"
