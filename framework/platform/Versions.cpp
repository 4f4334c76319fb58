#include "framework/platform/Versions.h"

Platform::IVersions::~IVersions() = default;
