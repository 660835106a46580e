// libFuzzer target: any bytes as a registry export file, then the About box's two look-ups
// through GetKeyValue. Nothing may crash, read outside a buffer or leave a key open.

#include "getkeyvalue.h"
#include "registry/registrystore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RegistryStore store(QByteArrayView(data, static_cast<qsizetype>(size)));

    std::u16string KeyVal;
    for (const auto &[key, name] : { std::pair<std::u16string, std::u16string> {
                                         u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", u"PATH" },
                                     { u"SOFTWARE\\Microsoft\\Shared Tools Location", u"MSINFO" } }) {
        try {
            GetKeyValue(store, registryLocalMachine, key, name, KeyVal);
        } catch (const KeyValueError &) {
            // A value without data: the About box reports it like any failure.
        }
        if (store.hasOpenKeys())
            std::abort();
    }
    return 0;
}
