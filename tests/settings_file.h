// A settings file beside the program on the headless platform, written from a state record.
#pragma once
#include <string>
#include <vector>

#include "app/settings.h"
#include "platform/headless/headless_platform.h"

inline void store_settings_file(HeadlessPlatform& p, const AppState& s) {
    std::vector<uint8_t> bytes(SETTINGS_SIZE);
    encode_settings(s, bytes.data());
    p.files[p.directory + "qv.ini"] = bytes;
}
