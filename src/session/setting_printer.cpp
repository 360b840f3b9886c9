// Renders one session setting by its kind and prints its line. Both files
// of a comparison go through the same renderer and are compared as text, so
// bytes that do not change what a reader sees never show as a difference.
#include "session/setting_printer.h"

#include <cstring>

namespace {

void Format(ValueText& value, const char* format, auto... numbers) {
    int length = std::snprintf(value.text, sizeof value.text, format, numbers...);
    value.length = length < 0 ? 0 : length < kMaxValueText ? length : kMaxValueText;
}

void Copy(ValueText& value, const char* data, int length) {
    value.length = length < kMaxValueText ? length : kMaxValueText;
    std::memcpy(value.text, data, static_cast<std::size_t>(value.length));
    value.text[value.length] = 0;
}

// A number of 1, 2 or 4 bytes; only the bits of `mask` count in a byte.
int ReadNumber(FileImage image, int offset, int width, std::uint8_t mask) {
    switch (width) {
        case 1: return ReadU8(image, offset) & mask;
        case 2: return ReadU16(image, offset);
        default: return ReadI32(image, offset);
    }
}

// Up to the first NUL, never past the room nor beyond kMaxValueText.
void RenderText(const SessionEntry& setting, FileImage image, ValueText& value) {
    TextView text = ReadText(image, setting.offset, setting.width < kMaxValueText ? setting.width : kMaxValueText);
    Copy(value, text.data, text.length);
}

void RenderYesNo(const SessionEntry& setting, FileImage image, ValueText& value) {
    if (ReadU8(image, setting.offset) & setting.mask) {
        Copy(value, "Yes", 3);
    } else {
        Copy(value, "No", 2);
    }
}

void RenderNumber(const SessionEntry& setting, FileImage image, ValueText& value) {
    Format(value, "%d", ReadNumber(image, setting.offset, setting.width, setting.mask));
}

// Item n of the list, counted from 0. A byte past the last item shows as
// its number, which depends on the byte alone.
void RenderChoice(const SessionEntry& setting, FileImage image, ValueText& value) {
    int wanted = ReadU8(image, setting.offset);
    const char* item = setting.choices;
    for (int number = 0;; ++number) {
        const char* end = std::strchr(item, ',');
        int length = end ? static_cast<int>(end - item) : static_cast<int>(std::strlen(item));
        if (number == wanted) {
            Copy(value, item, length);
            return;
        }
        if (!end) break;
        item = end + 1;
    }
    Format(value, "%d", wanted);
}

void RenderPair(const SessionEntry& setting, FileImage image, ValueText& value) {
    Format(value, "%d,%d", ReadNumber(image, setting.offset, setting.width, setting.mask),
           ReadNumber(image, setting.secondOffset, setting.width, setting.mask));
}

void RenderColor(const SessionEntry& setting, FileImage image, ValueText& value) {
    Format(value, "%d,%d,%d", ReadU8(image, setting.offset + 2), ReadU8(image, setting.offset + 1),
           ReadU8(image, setting.offset));
}

void RenderPrintSetup(const SessionEntry& setting, FileImage image, ValueText& value) {
    TextView name = ReadText(image, setting.offset + PrintSetup::name, PrintSetup::nameLimit);
    int v[PrintSetup::valueCount];
    for (int i = 0; i < PrintSetup::valueCount; ++i) v[i] = ReadU8(image, setting.offset + PrintSetup::values + i);
    Format(value, "'%.*s' orient=%d twoup=%d %d,%d,%d,%d %d,%d,%d,%d %d,%d,%d,%d %d,%d,%d,%d", name.length, name.data,
           ReadU8(image, setting.offset + PrintSetup::orient), ReadU8(image, setting.offset + PrintSetup::twoup), v[0],
           v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15]);
}

using Renderer = void (*)(const SessionEntry&, FileImage, ValueText&);

// Indexed by SettingKind.
constexpr Renderer kRenderers[] = {
    RenderText, RenderYesNo, RenderNumber, RenderChoice, RenderPair, RenderColor, RenderPrintSetup,
};
static_assert(std::size(kRenderers) == static_cast<std::size_t>(SettingKind::PrintSetup) + 1);

bool SameValue(const ValueText& a, const ValueText& b) {
    return a.length == b.length && std::memcmp(a.text, b.text, static_cast<std::size_t>(a.length)) == 0;
}

}  // namespace

void RenderSetting(const SessionEntry& setting, FileImage image, ValueText& value) {
    kRenderers[static_cast<int>(setting.kind)](setting, image, value);
}

void PrintSetting(SessionReportState& state, const SessionEntry& setting) {
    const RunState& run = state.run;
    ValueText first;
    ValueText second;
    RenderSetting(setting, run.first, first);
    if (run.compareMode) {
        RenderSetting(setting, run.second, second);
        if (SameValue(first, second)) return;
    }
    if (state.PendingHeader) {
        std::fprintf(run.out, "%s", state.PendingHeader);
        state.PendingHeader = nullptr;
    }
    char label[kLabelColumns + 1];
    std::snprintf(label, sizeof label, "%s:", setting.label);
    if (run.compareMode) {
        std::fprintf(run.out, "%-30s %.*s : %.*s\n", label, first.length, first.text, second.length, second.text);
        ++state.DifferenceCount;
    } else {
        std::fprintf(run.out, "%-30s %.*s\n", label, first.length, first.text);
    }
}
