// libFuzzer target: payload list labels from any bytes. Every buffer is
// allocated at exactly the size the routine is told, so that a write or read
// past it stops the run; the round trip of building a label and cutting it
// back must give both names again whenever they are names a label can hold.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include <cstring>
#include <memory>
#include <string>

#include "dialog/payload_label.h"

namespace {

void Require(bool condition) {
    if (!condition) abort();
}

// A NUL-terminated copy in a buffer of exactly its own size.
std::unique_ptr<char[]> Exact(const std::string& text) {
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy;
}

bool Terminated(const char* buffer, size_t size) {
    return std::memchr(buffer, '\0', size) != nullptr;
}

// Cutting, testing and reading the holder of any text.
void TakeApart(const std::string& text, size_t nameSize) {
    std::unique_ptr<char[]> label = Exact(text);
    const bool attached = LabelIsAttached(label.get());
    Require(attached == (text.find(kAttachedMark) != std::string::npos));

    std::unique_ptr<char[]> holder(new char[nameSize]);
    HolderNameInLabel(label.get(), holder.get(), nameSize);
    Require(Terminated(holder.get(), nameSize));

    StripPayloadLabel(label.get());
    const size_t cut = std::strlen(label.get());
    Require(cut <= text.size());
    Require(!attached || cut + 1 >= text.find(kAttachedMark));
}

// Building a label into a buffer of any size, then the round trip.
void BuildAndCutBack(const std::string& payload, const std::string& holder, size_t size) {
    std::unique_ptr<char[]> p = Exact(payload);
    std::unique_ptr<char[]> h = Exact(holder);
    std::unique_ptr<char[]> label(new char[size == 0 ? 1 : size]);
    BuildAttachedLabel(p.get(), h.get(), label.get(), size);
    if (size == 0) return;
    Require(Terminated(label.get(), size));

    std::unique_ptr<char[]> whole(new char[kLabelSize]);
    BuildAttachedLabel(p.get(), h.get(), whole.get(), kLabelSize);
    Require(Terminated(whole.get(), kLabelSize));
    const bool representable = payload.size() < kNameSize && holder.size() < kNameSize &&
                               !holder.empty() && NameFitsLabel(p.get()) &&
                               holder.find(';') == std::string::npos;
    if (!representable) return;
    char name[kNameSize];
    Require(HolderNameInLabel(whole.get(), name, sizeof name));
    Require(holder == name);
    StripPayloadLabel(whole.get());
    Require(payload == whole.get());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first two bytes choose buffer sizes; the rest is text, split at
    // its first zero into a payload name and a holder name.
    const size_t nameSize = 1 + data[0] % kNameSize;
    const size_t labelSize = (static_cast<size_t>(data[1]) * 3) % (kLabelSize + 1);
    const std::string rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const size_t zero = rest.find('\0');
    const std::string payload = rest.substr(0, zero);
    const std::string holder =
        zero == std::string::npos ? std::string() : std::string(rest.c_str() + zero + 1);

    TakeApart(payload, nameSize);
    TakeApart(payload + kAttachedSeparator + holder, nameSize);
    BuildAndCutBack(payload, holder, labelSize);

    // Copying never writes more than it is given room for.
    std::unique_ptr<char[]> copy(new char[nameSize]);
    CopyText(copy.get(), nameSize, payload.c_str());
    Require(Terminated(copy.get(), nameSize));
    return 0;
}
