#include "platform/DelatBibliotek.h"

#include <QtDebug>

#include <dlfcn.h>

DelatBibliotek::DelatBibliotek(const char* filnamn) : m_handtag(dlopen(filnamn, RTLD_NOW | RTLD_LOCAL))
{
    if (!m_handtag)
        qWarning("Kunde inte ladda %s: %s", filnamn, dlerror());
}

void* DelatBibliotek::symbol(const char* namn) const
{
    return m_handtag ? dlsym(m_handtag, namn) : nullptr;
}
