#pragma once

#include <cstdint>

#include "le_writer.h"

// The 40-byte information header shared by bitmap files and the images inside icons and
// cursors. Always one plane and no compression.
struct DibHeader {
    int32_t width = 0;
    int32_t height = 0;  // positive: rows are stored bottom-up
    uint16_t bitsPerPixel = 0;
    uint32_t imageBytes = 0;
    int32_t pixelsPerMetre = 0;
};

inline constexpr int kDibHeaderBytes = 40;

// Bytes in one stored row: rows are padded to a multiple of four bytes.
int dibRowStride(int width, int bitsPerPixel);

void appendDibHeader(LeWriter& out, const DibHeader& header);
