#include "hidbackend.h"

#include "systemhidbackend.h"

namespace {
HidBackend *g_installed = nullptr;
}

HidBackend &hidBackend()
{
    static SystemHidBackend system;
    return g_installed ? *g_installed : system;
}

void setHidBackend(HidBackend *backend)
{
    g_installed = backend;
}
