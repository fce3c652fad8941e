#pragma once
// Conversion between 8-bit strings in the system code page (UTF-8 here) and
// the 16-bit strings of the automation interface.
//
// Bytes that are not valid UTF-8 are carried as the lone low surrogates
// U+DC80..U+DCFF and turned back into the same bytes, so any byte string
// survives a round trip through a BSTR unchanged.

#include <string>
#include <string_view>

std::u16string MultiByteToWide(std::string_view bytes);
// The same into a buffer of at least bytes.size() units; returns the units written.
size_t MultiByteToWideBuffer(std::string_view bytes, char16_t* out);

// Valid UTF-16 and the escapes above convert exactly. Any other lone
// surrogate cannot be written in UTF-8 and becomes U+FFFD.
std::string WideToMultiByte(std::u16string_view wide);
