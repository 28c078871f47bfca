// Feeds arbitrary bytes to the settings file reader, then writes a key named by the input
// and checks what the program relies on: the file as written reads back to the same file,
// and a key that the writer accepted reads back with its value.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "core/Text.h"
#include "settings/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The first part is the file; after the first 0xFF byte come section, key and value,
    // separated by 0xFE.
    const qsizetype split = input.indexOf('\xff');
    const QByteArray file = split < 0 ? input : input.left(split);
    const QList<QByteArray> names =
        split < 0 ? QList<QByteArray>() : input.mid(split + 1).split('\xfe');

    IniFile ini;
    ini.parse(file);
    const QByteArray written = ini.toBytes();
    require(written.size() <= file.size() * 2 + 2);
    IniFile again;
    again.parse(written);
    require(again.toBytes() == written);

    if (names.size() >= 3) {
        const QString section = text::fromAnsi(names[0]);
        const QString key = text::fromAnsi(names[1]);
        const QString value = text::fromAnsi(names[2]);
        if (ini.writeString(section, key, value)) {
            require(ini.contains(section, key));
            const QString held = ini.readString(section, key, QStringLiteral("\x01"), 100000);
            IniFile reread;
            reread.parse(ini.toBytes());
            require(reread.contains(section, key));
            require(reread.readString(section, key, QStringLiteral("\x01"), 100000) == held);
            require(reread.toBytes() == ini.toBytes());
        }
    }
    return 0;
}
