// Any document loaded into the fixture object graph (numbers, enumerations,
// sets, colours, a font, lists, a dictionary, a collection, a picture, an
// event and a component reference) either loads or raises the framework's
// exception. The first byte chooses the type key, the root object and
// whether a new object is made from the document instead.

#include "PersistenceFixtures.h"

#include "persistence/KestPersistence.h"
#include "persistence/KestReader.h"

#include "framework/FrameworkModule.h"
#include "framework/Stream.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool registered = [] {
        KestFramework::RegisterModule();
        RegisterFixtureClasses();
        return true;
    }();
    (void)registered;
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    TSampleComponent root;
    auto* part = new TSampleComponent(&root);
    part->SetName(QStringLiteral("Part1"));
    TKestPersistence::SetTypeKey((mode & 1) ? QString() : QStringLiteral("$type"));
    TKestPersistence::SetRootObject((mode & 2) ? &root : nullptr);
    try {
        if (mode & 4) {
            TKestReader reader(stream);
            reader.SetRootObject(TKestPersistence::RootObject());
            reader.Read(&TSample::staticMetaObject);
            reader.SolveReferences();
        } else {
            TSample sample;
            TKestPersistence::LoadSettingsFromStream(&sample, stream);
            // Whatever was loaded can be written again.
            sample.OnChange = nullptr;
            TMemoryStream out;
            TKestPersistence::SaveSettingsToStream(&sample, out);
        }
    } catch (const Exception&) {
    }
    TKestPersistence::ResetSettings();
    return 0;
}
