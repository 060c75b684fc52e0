#include <cstddef>

// The C++ runtime's last words before it ends the program on an escaped exception go to
// standard error, which a GUI program does not have. Its terminate handler names the
// exception's type through the demangler; the link routes that call here (--wrap), which
// leaves the name mangled and keeps the runtime's 45 KB demangler out of the program.
extern "C" char* __wrap___cxa_demangle(const char* /*mangled*/, char* /*buffer*/,
                                       std::size_t* /*length*/, int* status) {
    constexpr int kInvalidName = -2;
    if (status != nullptr) {
        *status = kInvalidName;
    }
    return nullptr;
}
