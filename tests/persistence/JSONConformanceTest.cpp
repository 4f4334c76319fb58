// Public conformance documents: the checker suite's pass and fail files and
// the round-trip files (tests/data/json).

#include "JSONTestSupport.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray Load(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QStringList Files(const QString& folder, const QString& pattern)
{
    QDir dir(QStringLiteral(KEST_TEST_DATA_DIR "/json/") + folder);
    QStringList names = dir.entryList({pattern}, QDir::Files, QDir::Name);
    for (QString& name : names)
        name = dir.filePath(name);
    return names;
}

TEST(JSONConformance, CheckerPassFilesAreAccepted)
{
    QStringList files = Files(QStringLiteral("jsonchecker"), QStringLiteral("pass*.json"));
    ASSERT_EQ(files.size(), 3);
    for (const QString& f : files)
        EXPECT_NO_THROW(Trace(Load(f))) << f.toStdString();
}

// Both excluded files depend on a reader's limits: a bare string at the top
// is refused here, and 20 levels of nesting are within our 255.
TEST(JSONConformance, CheckerFailFilesAreRejected)
{
    QStringList files = Files(QStringLiteral("jsonchecker"), QStringLiteral("fail*.json"));
    ASSERT_EQ(files.size(), 33);
    for (const QString& f : files) {
        if (f.endsWith(QLatin1String("fail18_EXCLUDE.json"))) {
            EXPECT_NO_THROW(Trace(Load(f)));
            continue;
        }
        EXPECT_THROW(Trace(Load(f)), Exception) << f.toStdString();
    }
}

// Writes every token of the reader through the writer; numbers keep their
// kind (integers stay integers).
void Copy(TKestJSONReader& reader, TKestJSONWriter& writer)
{
    for (;;) {
        switch (reader.Peek()) {
        case jstoBeginObject: reader.ReadBeginObject(); writer.WriteBeginObject(); break;
        case jstoEndObject: reader.ReadEndObject(); writer.WriteEndObject(); break;
        case jstoBeginArray: reader.ReadBeginArray(); writer.WriteBeginArray(); break;
        case jstoEndArray: reader.ReadEndArray(); writer.WriteEndArray(); break;
        case jstoName: writer.WriteName(TKestUtils::UnescapeString(reader.ReadName())); break;
        case jstoBoolean: writer.WriteBoolean(reader.ReadBoolean()); break;
        case jstoNull: reader.ReadNull(); writer.WriteNull(); break;
        case jstoText: writer.WriteString(reader.ReadString()); break;
        case jstoNumber: {
            QString text = reader.ReadString();
            bool whole = !text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e'), Qt::CaseInsensitive);
            qint64 i;
            if (whole && KestDot::TextToInt64(text, i))
                writer.WriteInteger(i);
            else
                writer.WriteDouble(KestDot::TextToDouble(text));
            break;
        }
        case jstoEOF: writer.Close(); return;
        }
    }
}

TEST(JSONConformance, RoundTripFilesKeepEveryValue)
{
    QStringList files = Files(QStringLiteral("roundtrip"), QStringLiteral("*.json"));
    ASSERT_EQ(files.size(), 27);
    for (const QString& f : files) {
        QByteArray original = Load(f);
        QByteArray written = WrittenText([&](TKestJSONWriter& w) {
            TMemoryStream in(original);
            TKestJSONReader reader(in);
            Copy(reader, w);
        });
        EXPECT_EQ(Trace(written), Trace(original)) << f.toStdString();
        // Integers and the shortest forms come back byte for byte.
        if (!original.contains('.') && !original.contains('e')) {
            EXPECT_EQ(written, original.trimmed()) << f.toStdString();
        }
    }
}

// pass01.json holds a member with an empty name, which the writer refuses.
TEST(JSONConformance, CheckerPassDocumentsSurviveRewriting)
{
    for (const char* name : {"pass02.json", "pass03.json"})
    for (int indent : {0, 2}) {
        QByteArray original = Load(QStringLiteral(KEST_TEST_DATA_DIR "/json/jsonchecker/") + name);
        QByteArray written = WrittenText([&](TKestJSONWriter& w) {
            TMemoryStream in(original);
            TKestJSONReader reader(in);
            Copy(reader, w);
        }, indent);
        EXPECT_EQ(Trace(written), Trace(original));
    }
}

}
