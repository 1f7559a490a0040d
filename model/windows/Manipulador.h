#pragma once

#include <windows.h>

// A system handle closed when it goes out of scope, for the paths where an error leaves early.
class Manipulador {
public:
    explicit Manipulador(HANDLE h) : h_(h) {}
    ~Manipulador() { Fechar(); }
    Manipulador(const Manipulador&) = delete;
    Manipulador& operator=(const Manipulador&) = delete;

    bool Valido() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE operator*() const { return h_; }
    // False with the error left for GetLastError when the close fails.
    bool Fechar()
    {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return h == INVALID_HANDLE_VALUE || ::CloseHandle(h) != 0;
    }

private:
    HANDLE h_;
};
