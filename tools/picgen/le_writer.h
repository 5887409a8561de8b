#pragma once

#include <QByteArray>
#include <cstdint>

// Collects bytes in little-endian order, the order of every Windows picture header.
class LeWriter {
  public:
    void u8(uint8_t value) { bytes_.append(static_cast<char>(value)); }
    void u16(uint16_t value) {
        u8(static_cast<uint8_t>(value & 0xFF));
        u8(static_cast<uint8_t>(value >> 8));
    }
    void u32(uint32_t value) {
        u16(static_cast<uint16_t>(value & 0xFFFF));
        u16(static_cast<uint16_t>(value >> 16));
    }
    void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
    void zeros(int count) { bytes_.append(count, '\0'); }
    void append(const QByteArray& more) { bytes_.append(more); }

    int size() const { return static_cast<int>(bytes_.size()); }
    const QByteArray& bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
};
