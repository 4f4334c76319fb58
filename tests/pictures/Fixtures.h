#pragma once
// The small real pictures of tests/data/pictures (see its README) and SVG
// documents written here.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace Fixtures {

inline QString Path(const QString& name) { return QStringLiteral(KEST_TEST_DATA_DIR "/pictures/") + name; }

// Writes the bytes to a new file; returns its path.
inline QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

inline QByteArray Bytes(const QString& name)
{
    QFile f(Path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A document with comments and odd spacing: saved back, it must come out
// exactly like this.
inline QByteArray Svg()
{
    return QByteArray("<?xml version=\"1.0\"?>\n<!-- kept as written -->\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\"   viewBox=\"0 0 40 30\">\n"
                      "  <rect x=\"1\" y=\"1\" width=\"10\" height=\"10\"/>\n</svg>\n");
}

// An SVG of exactly size bytes (padded with a comment) whose byte count
// stored as a little-endian prefix reads like the start of a raster file.
inline QByteArray SvgOfSize(int size)
{
    QByteArray head("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 8 8\"><!--");
    QByteArray tail("--></svg>");
    return head + QByteArray(size - head.size() - tail.size(), 'x') + tail;
}

}
