#include "PersistenceFixtures.h"

#include "framework/FrameworkModule.h"

// The framework's classes and event types, and the persistence fixtures.
void KestTestModuleInit()
{
    KestFramework::RegisterModule();
    RegisterFixtureClasses();
}
