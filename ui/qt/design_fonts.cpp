#include "design_fonts.h"

#include "style.h"
#include "text_view.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace trimwise {
namespace {

QFont fontFor(FontRole role, const QStringList& installed) {
    const FontSpec design = DesignFont(role);
    QStringList faces{FromView(design.face)};
    for (const std::string_view fallback : kFallbackFaces) {
        faces << FromView(fallback);
    }
    QFont font;
    // The first face installed, named alone: a face Qt lacks costs a fontconfig search for
    // look-alikes before it tries the next, with each of the window's fonts.
    const auto found = std::find_if(faces.cbegin(), faces.cend(), [&](const QString& face) {
        return installed.contains(face, Qt::CaseInsensitive);
    });
    if (found != faces.cend()) {
        font.setFamily(*found);
    } else {
        font.setFamilies(faces);
    }
    font.setPixelSize(design.pixelSize);
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Qt chooses how to hint text by the scale the program starts at; chosen here, text is
    // hinted alike at every scale, however the scale came about.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

} // namespace

DesignFonts::DesignFonts() {
    const QStringList installed = QFontDatabase::families();
    for (const FontRole role : kFontRoles) {
        fonts_[static_cast<std::size_t>(role)] = fontFor(role, installed);
    }
}

const QFont& DesignFonts::operator[](FontRole role) const noexcept {
    return fonts_[static_cast<std::size_t>(role)];
}

} // namespace trimwise
