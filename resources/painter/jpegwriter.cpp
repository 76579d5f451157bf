#include "jpegwriter.h"

#include <QFile>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

bool writeJpeg444(const QImage &image, const QString &path, int quality, QString *error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr); // a libjpeg failure here is a bug in this program; it aborts
    jpeg_create_compress(&cinfo);

    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }

    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(rgb.width()) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uchar *src = rgb.constScanLine(int(cinfo.next_scanline));
        std::copy(src, src + row.size(), row.begin());
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly)
        && file.write(reinterpret_cast<const char *>(buffer), qint64(size)) == qint64(size);
    std::free(buffer);
    if (!ok && error)
        *error = file.errorString();
    return ok;
}
