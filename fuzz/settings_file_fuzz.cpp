// Arbitrary bytes as the settings file def4.txt: never a crash, and the file written from what was
// read reads back as the same values, so the settings stay as they are from one start to the next.
#include "io/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace kavren;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray contents(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsValues read = parseSettings(contents);
    std::array<QString, StyleLineCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = read.styles[i].value_or(QString());
    const QByteArray written =
        formatSettings(texts, read.databasePath.value_or(QString()),
                       read.importFolder.value_or(QString()), read.tempoAxisColour.value_or(7));
    const SettingsValues again = parseSettings(written);
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (read.styles[i] && again.styles[i] != read.styles[i])
            std::abort(); // a style value changed on its way through the file
    if (read.databasePath && again.databasePath != read.databasePath)
        std::abort();
    if (read.importFolder && again.importFolder != read.importFolder)
        std::abort();
    if (read.tempoAxisColour && again.tempoAxisColour != read.tempoAxisColour)
        std::abort();
    return 0;
}
