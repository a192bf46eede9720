// The colour that lettering on a picture reads on: the scan along the picture's lines finds the very pixel
// that reading the picture pixel by pixel through QColor finds.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include "qt/Readable.h"

namespace {

using varnholt::lightestColour;
using varnholt::notedLightestColour;

// The plain way: every pixel as a QColor, the first of the greatest weight wins.
std::optional<QColor> lightestPixelByPixel(const QImage& picture) {
    std::optional<QColor> lightest;
    double most = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            QColor c = picture.pixelColor(x, y);
            double l = 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
            if (l > most) {
                most = l;
                lightest = c;
            }
        }
    return lightest;
}

QImage darkPicture() {
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(QColor(20, 24, 40));
    return picture;
}

TEST(LightestColour, TiesGoToThePixelQColorPicks) {
    // The same integer weight (2126 r + 7152 g + 722 b), but QColor's float fractions make the second a hair
    // lighter: it wins although it comes later.
    const QColor lower(200, 210, 201), higher(217, 200, 250);
    QImage split = darkPicture();
    split.setPixelColor(4, 0, lower);
    split.setPixelColor(1, 2, higher);
    EXPECT_EQ(lightestColour(split), lightestPixelByPixel(split));
    EXPECT_EQ(lightestColour(split), higher);

    // Two colours that weigh exactly the same: the first in reading order wins, whichever it is.
    const QColor one(200, 210, 200), other(217, 200, 249);
    for (auto [first, second] : {std::array{one, other}, std::array{other, one}}) {
        QImage tie = darkPicture();
        tie.setPixelColor(5, 1, first);
        tie.setPixelColor(0, 2, second);
        EXPECT_EQ(lightestColour(tie), lightestPixelByPixel(tie));
        EXPECT_EQ(lightestColour(tie), first);
    }
}

TEST(LightestColour, EveryPixelFormatGivesWhatQColorReads) {
    std::mt19937 draw(7);
    for (int format = QImage::Format_Mono; format < QImage::NImageFormats; ++format) {
        for (int picture = 0; picture < 20; ++picture) {
            QImage argb(9, 5, QImage::Format_ARGB32);
            for (int y = 0; y < argb.height(); ++y)
                for (int x = 0; x < argb.width(); ++x) argb.setPixel(x, y, draw());
            QImage converted = argb.convertToFormat(static_cast<QImage::Format>(format));
            EXPECT_EQ(lightestColour(converted), lightestPixelByPixel(converted)) << "format " << format;
        }
    }

    // A 32-bit RGB picture made from raw memory may leave its unused top byte empty: it is still opaque.
    const std::array<quint32, 4> raw{0x00102030u, 0x00f0e0d0u, 0x12345678u, 0x00f0e0d0u};
    const QImage fromMemory(reinterpret_cast<const uchar*>(raw.data()), 2, 2, QImage::Format_RGB32);
    EXPECT_EQ(lightestColour(fromMemory), lightestPixelByPixel(fromMemory));
    EXPECT_EQ(lightestColour(fromMemory)->alpha(), 255);
}

// A picture file is read once for the window; its lightest colour comes from the pixels the window shows
// when they are the file's own, and from the file read again when the window's were converted on the way.
TEST(LightestColour, PictureFilesAsTheWindowShowsThem) {
    for (const char* file : {"title.bmp", "QAVLE.bmp", "banner.bmp"}) {
        const QImage picture(file);
        ASSERT_FALSE(picture.isNull()) << file;
        EXPECT_EQ(lightestColour(QString(file), QPixmap(file)), lightestPixelByPixel(picture)) << file;
        EXPECT_EQ(lightestColour(QString(file), QPixmap()), lightestPixelByPixel(picture)) << file << ", remembered";
    }

    // Half-transparent pixels are premultiplied in a pixmap, and a palette picture is widened to 32 bits.
    QTemporaryDir folder;
    QImage seeThrough(7, 3, QImage::Format_ARGB32);
    seeThrough.fill(QColor(30, 30, 30, 255));
    seeThrough.setPixelColor(2, 1, QColor(255, 255, 255, 0));
    seeThrough.setPixelColor(5, 0, QColor(201, 203, 199, 77));
    QImage palette = darkPicture().convertToFormat(QImage::Format_Indexed8);
    for (const QImage& made : {seeThrough, palette}) {
        const QString file = folder.filePath(QString("picture%1.png").arg(made.format()));
        ASSERT_TRUE(made.save(file));
        EXPECT_EQ(lightestColour(file, QPixmap(file)), lightestPixelByPixel(QImage(file))) << file.toStdString();
    }

    EXPECT_EQ(lightestColour(QImage()), std::nullopt);
    EXPECT_EQ(lightestColour(QString("no-such-picture.bmp"), QPixmap()), std::nullopt);
}

// The game's pictures note their lightest colour when they are made, and the note is what the pixels say; the
// window takes a note as it stands, and a BMP without one (zeros in its reserved words) is read pixel by pixel.
TEST(LightestColour, TheGamesPicturesNoteTheirLightestColour) {
    for (const char* file : {"title.bmp", "QAVLE.bmp", "banner.bmp"}) {
        const auto noted = notedLightestColour(file);
        ASSERT_TRUE(noted) << file;
        EXPECT_EQ(noted, lightestPixelByPixel(QImage(file))) << file;
    }
    QTemporaryDir folder;
    const QString plain = folder.filePath("plain.bmp"), marked = folder.filePath("marked.bmp");
    ASSERT_TRUE(darkPicture().save(plain));
    EXPECT_EQ(notedLightestColour(plain), std::nullopt);
    EXPECT_EQ(lightestColour(plain, QPixmap(plain)), lightestPixelByPixel(QImage(plain)));
    QFile::copy(plain, marked);
    QFile note(marked);
    ASSERT_TRUE(note.open(QIODevice::ReadWrite));
    note.seek(6);
    note.write("L\x11\x22\x33", 4);
    note.close();
    EXPECT_EQ(lightestColour(marked, QPixmap(marked)), QColor(0x11, 0x22, 0x33));
}

}  // namespace
