#include "views/PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <string_view>

namespace brelvan::views {

namespace {

bool isXmlControl(unsigned c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

// The value of the character reference starting at `i` ("&#12;" or "&#x1F;") and its length;
// nullopt when there is none.
std::optional<std::pair<unsigned, qsizetype>> characterReference(const QByteArray& s, qsizetype i) {
    if (i + 3 >= s.size() || s[i] != '&' || s[i + 1] != '#')
        return std::nullopt;
    qsizetype j = i + 2;
    const bool hex = s[j] == 'x' || s[j] == 'X';
    if (hex)
        ++j;
    unsigned value = 0;
    const qsizetype first = j;
    for (; j < s.size() && j - first < 8; ++j) {
        const char c = s[j];
        unsigned d = 0;
        if (c >= '0' && c <= '9')
            d = static_cast<unsigned>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            d = static_cast<unsigned>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            d = static_cast<unsigned>(c - 'A' + 10);
        else
            break;
        value = value * (hex ? 16 : 10) + d;
    }
    if (j == first || j >= s.size() || s[j] != ';')
        return std::nullopt;
    return std::make_pair(value, j + 1 - i);
}

} // namespace

QByteArray validXml(QByteArray svg) {
    QByteArray out;
    out.reserve(svg.size());
    for (qsizetype i = 0; i < svg.size();) {
        const auto c = static_cast<unsigned char>(svg[i]);
        if (isXmlControl(c)) {
            out += ' ';
            ++i;
            continue;
        }
        if (c == '&') {
            if (const auto ref = characterReference(svg, i); ref && isXmlControl(ref->first)) {
                out += ' ';
                i += ref->second;
                continue;
            }
        }
        out += static_cast<char>(c);
        ++i;
    }
    return out;
}

bool isPictureFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("svg") || suffix == QLatin1String("png") ||
           suffix == QLatin1String("pdf");
}

IoResult<> writePicture(const QString& path, QSize size, const PaintPicture& paint,
                        const PictureOptions& options) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QString cannotWrite =
        QCoreApplication::translate("PictureFile", "Die Datei „%1“ kann nicht geschrieben werden")
            .arg(path);
    const auto failure = [](const QString& text) {
        return IoResult<>::failure(text.toStdString());
    };

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (suffix == QLatin1String("png")) {
        QImage image(size * options.pngScale, QImage::Format_RGB32);
        if (image.isNull())
            return failure(cannotWrite +
                           QCoreApplication::translate("PictureFile", ": das Bild ist zu groß."));
        if (options.pngDpi) {
            const int dotsPerMeter = static_cast<int>(std::lround(*options.pngDpi / 0.0254));
            image.setDotsPerMeterX(dotsPerMeter);
            image.setDotsPerMeterY(dotsPerMeter);
        }
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            if (options.pngAntialiasing)
                painter.setRenderHint(QPainter::Antialiasing);
            paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
        }
        drawn = image.save(&buffer, "PNG");
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        if (options.svgResolution)
            svg.setResolution(*options.svgResolution);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(options.title);
        QPainter painter;
        if (painter.begin(&svg)) {
            painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
            paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
            drawn = painter.end();
        }
    } else if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(options.pdfResolution);
        pdf.setPageSize(options.pdfPageSize
                            ? *options.pdfPageSize
                            : QPageSize(QSizeF(size.width() * 25.4 / 96, size.height() * 25.4 / 96),
                                        QPageSize::Millimeter));
        if (options.pdfOrientation != QPageLayout::Portrait)
            pdf.setPageOrientation(options.pdfOrientation);
        pdf.setPageMargins(options.pdfMarginsMm, QPageLayout::Millimeter);
        pdf.setTitle(options.title);
        QPainter painter;
        if (painter.begin(&pdf)) {
            paint(painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
            drawn = painter.end();
        }
    } else {
        return failure(
            QCoreApplication::translate(
                "PictureFile", "Unbekannte Dateiendung \"%1\": erlaubt sind .svg, .png und .pdf.")
                .arg(suffix));
    }
    buffer.close();
    if (!drawn || bytes.isEmpty())
        return failure(
            cannotWrite +
            QCoreApplication::translate("PictureFile", ": das Bild kann nicht gezeichnet werden."));
    if (suffix == QLatin1String("svg"))
        bytes = validXml(std::move(bytes));
    const IoResult<> written = writeFileAtomically(
        path.toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written)
        return failure(cannotWrite + QStringLiteral(": ") +
                       QString::fromStdString(written.error()) + QLatin1Char('.'));
    return {};
}

} // namespace brelvan::views
