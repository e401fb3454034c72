#include "shell/jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "case/falldatei.h"

namespace quarnel {
namespace {

struct Fehlerziel {
    jpeg_error_mgr basis;  // first: libjpeg sees a jpeg_error_mgr*
    std::jmp_buf sprung;
    int maxScans = 0;
};

[[noreturn]] void FehlerAus(j_common_ptr c) {
    std::longjmp(reinterpret_cast<Fehlerziel*>(c->err)->sprung, 1);
}

void MeldungStumm(j_common_ptr, int) {}  // warnings of damaged data are not printed
void AusgabeStumm(j_common_ptr) {}

// Progressive data may hold endless scans; each costs a pass over the picture.
void Fortschritt(j_common_ptr c) {
    auto* z = reinterpret_cast<Fehlerziel*>(c->err);
    if (c->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(c)->input_scan_number > z->maxScans)
        std::longjmp(z->sprung, 1);
}

// The decoding itself, with only plain objects between setjmp and longjmp;
// the picture belongs to the caller.
bool Dekodieren(jpeg_decompress_struct& d, Fehlerziel& z, std::span<const uint8_t> daten,
                const JpegGrenzen& g, RgbBild& bild) {
    if (setjmp(z.sprung)) return false;
    jpeg_mem_src(&d, daten.data(), static_cast<unsigned long>(daten.size()));
    if (jpeg_read_header(&d, TRUE) != JPEG_HEADER_OK) return false;
    if (d.image_width == 0 || d.image_height == 0 ||
        d.image_width > static_cast<JDIMENSION>(g.maxSeite) ||
        d.image_height > static_cast<JDIMENSION>(g.maxSeite) ||
        static_cast<std::size_t>(d.image_width) * d.image_height > g.maxPixel)
        return false;
    const bool cmyk = d.jpeg_color_space == JCS_CMYK || d.jpeg_color_space == JCS_YCCK;
    d.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    d.mem->max_memory_to_use = 256L * 1024 * 1024;
    jpeg_start_decompress(&d);
    if (d.output_components != (cmyk ? 4 : 3)) return false;
    bild.breite = static_cast<int>(d.output_width);
    bild.hoehe = static_cast<int>(d.output_height);
    bild.pixel.assign(static_cast<std::size_t>(bild.breite) * bild.hoehe * 3, 0);
    JSAMPARRAY puffer = (*d.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d), JPOOL_IMAGE,
                                                d.output_width * d.output_components, 1);
    while (d.output_scanline < d.output_height) {
        uint8_t* ziel = bild.pixel.data() + static_cast<std::size_t>(d.output_scanline) *
                                                bild.breite * 3;
        if (jpeg_read_scanlines(&d, puffer, 1) != 1) return false;
        const JSAMPLE* q = puffer[0];
        if (cmyk) {
            // Adobe writes CMYK inverted: the value is already 255 - ink.
            for (int x = 0; x < bild.breite; ++x, q += 4)
                for (int k = 0; k < 3; ++k)
                    ziel[3 * x + k] = static_cast<uint8_t>(q[k] * q[3] / 255);
        } else {
            std::copy(q, q + 3 * bild.breite, ziel);
        }
    }
    jpeg_finish_decompress(&d);
    return true;
}

}  // namespace

std::optional<RgbBild> JpegDekodieren(std::span<const uint8_t> daten, const JpegGrenzen& g) {
    if (daten.size() < 4 || daten.size() > g.maxDateiBytes) return {};
    jpeg_decompress_struct d{};
    Fehlerziel z{};
    d.err = jpeg_std_error(&z.basis);
    z.basis.error_exit = FehlerAus;
    z.basis.emit_message = MeldungStumm;
    z.basis.output_message = AusgabeStumm;
    z.maxScans = g.maxScans;
    jpeg_progress_mgr fortschritt{};
    fortschritt.progress_monitor = Fortschritt;
    RgbBild bild;
    bool gut = false;
    if (!setjmp(z.sprung)) {
        jpeg_create_decompress(&d);
        d.progress = &fortschritt;
        gut = Dekodieren(d, z, daten, g, bild);
    }
    jpeg_destroy_decompress(&d);
    if (!gut) return {};
    return bild;
}

std::optional<RgbBild> JpegLaden(const std::string& pfad, const JpegGrenzen& g) {
    const auto daten = DateiLesen(pfad, g.maxDateiBytes);
    if (!daten || daten->empty()) return {};
    return JpegDekodieren(*daten, g);
}

}  // namespace quarnel
