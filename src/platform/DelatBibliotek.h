#pragma once

// A shared library loaded while the program runs, for what is not needed
// at start-up: the program starts without waiting for it (and for the
// libraries it brings along), and runs without that part when it is missing.
class DelatBibliotek {
public:
    // Loads the library by its file name ("libname.so.1"); stays loaded for
    // the rest of the program run.
    explicit DelatBibliotek(const char* filnamn);

    bool laddat() const { return m_handtag != nullptr; }

    // Points `funktion` at the library's function `namn`; false when the
    // library or the function is missing.
    template <typename F>
    bool hitta(F& funktion, const char* namn) const
    {
        funktion = reinterpret_cast<F>(symbol(namn));
        return funktion != nullptr;
    }

private:
    void* symbol(const char* namn) const;

    void* m_handtag = nullptr;
};
