#pragma once

#pragma GCC visibility push(default)
// Each operating-system service has one process-wide answer: the platform's
// own, or a replacement installed for the length of a scope (tests use this
// to control what the system says).

namespace Platform {

// The platform's own answer for a service; each service header declares a
// specialisation, and the platform folder defines it.
template <typename Service>
Service& NativeService();

template <typename Service>
Service*& ServiceOverride()
{
    static Service* replacement = nullptr;
    return replacement;
}

template <typename Service>
Service& Current()
{
    Service* replacement = ServiceOverride<Service>();
    return replacement ? *replacement : NativeService<Service>();
}

// Installs a replacement until the end of the scope; the caller keeps
// ownership of it. Scopes nest and restore the previous answer.
template <typename Service>
class TScopedService {
public:
    explicit TScopedService(Service& replacement) : FPrevious(ServiceOverride<Service>())
    {
        ServiceOverride<Service>() = &replacement;
    }
    ~TScopedService() { ServiceOverride<Service>() = FPrevious; }
    TScopedService(const TScopedService&) = delete;
    TScopedService& operator=(const TScopedService&) = delete;

private:
    Service* FPrevious;
};

}

#pragma GCC visibility pop
