#include "dib_header.h"

int dibRowStride(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

void appendDibHeader(LeWriter& out, const DibHeader& header) {
    constexpr uint32_t kNoCompression = 0;
    out.u32(kDibHeaderBytes);
    out.i32(header.width);
    out.i32(header.height);
    out.u16(1);  // planes
    out.u16(header.bitsPerPixel);
    out.u32(kNoCompression);
    out.u32(header.imageBytes);
    out.i32(header.pixelsPerMetre);
    out.i32(header.pixelsPerMetre);
    out.u32(0);  // colours used: all the bit depth allows
    out.u32(0);  // important colours: all
}
