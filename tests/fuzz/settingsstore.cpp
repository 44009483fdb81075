// The settings store (".reg"): any text reads into a key (unreadable lines listed, never fatal);
// the key written and read again holds the same values, and the program's settings read from any
// key without harm.
#include "FuzzCheck.h"

#include "app/Einstellungen.h"
#include "session/ProgramState.h"
#include "base/RegistryKey.h"

using namespace numora;

namespace {

bool sameValues(const RegistryKey& a, const RegistryKey& b)
{
    if (a.values().size() != b.values().size())
        return false;
    for (std::size_t i = 0; i < a.values().size(); ++i) {
        const RegistryKey::Value& x = a.values()[i];
        const RegistryKey::Value& y = b.values()[i];
        if (x.name != y.name || x.type != y.type || x.dword != y.dword || x.text != y.text || x.bytes != y.bytes
            || x.hexType != y.hexType)
            return false;
    }
    return true;
}

const QString KeyPath = QString::fromLatin1(Einstellungen::KeyPath);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RegistryKey key(KeyPath, QString());
    key.parse(fuzz::bytes(data, size));

    RegistryKey again(KeyPath, QString());
    again.parse(key.serialize());
    FUZZ_CHECK(again.problems().isEmpty());
    FUZZ_CHECK(sameValues(key, again));

    // The program's start-up reads every setting from whatever the key holds.
    ProgramState state;
    state.today = [] { return QDate(2024, 3, 6); };
    WindowSize window;
    QStringList problems;
    Einstellungen::read(key, state, window, {}, problems);
    return 0;
}
