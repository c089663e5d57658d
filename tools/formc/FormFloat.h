// Floating-point payloads. Text gives floats at double precision; the
// stream's svExtended is the x87 80-bit format, which is converted here
// bit by bit so the tool behaves the same on every host, whatever its
// long double is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The 10 little-endian bytes of the extended value equal to Value.
std::string ExtendedFromDouble(double Value);
// The double equal to the 10-byte extended Bytes, when there is one whose
// conversion back gives the same bytes (NaNs, infinities, unnormals and
// values needing more than 53 bits have none).
std::optional<double> ExactDoubleOfExtended(const std::string& Bytes);

// The shortest decimal text that reads back as Value, always with a '.'
// or an exponent so that it cannot be taken for an integer. Value must
// be finite.
std::string FloatLiteral(double Value);
std::string FloatLiteral(float Value);

// Payload bytes of svSingle and svDate: the value's bits, little-endian.
std::uint64_t LoadLittleEndian(const std::string& Bytes);
std::string StoreLittleEndian(std::uint64_t Bits, int Size);
