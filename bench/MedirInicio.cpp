// Starts one program and measures how long it takes until its first top-level window is mapped
// on the X display, then how much memory it used at its peak and how much processor time it took
// in all (start, first frame and the idle moment after). Prints "<milliseconds> <peak kB> <cpu ms>".
// On a busy machine the processor time varies much less than the time to the mapping.
//
//   ortelo_medir_inicio FOLDER PROGRAM [ARGUMENTS...]
//
// The clock starts just before the fork, so exec, dynamic linking and everything the program does
// before mapping count. Once the window is mapped the program gets a moment to paint its first
// frame, then it is ended; its peak resident size comes from the kernel's accounting of the child.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

using Relogio = std::chrono::steady_clock;

constexpr auto PrazoMapear = std::chrono::seconds(30);
// Long enough for the first paint after mapping, so the peak includes the first frame.
constexpr auto TempoParaPintar = std::chrono::milliseconds(500);

int Falhar(const char* motivo)
{
    std::fprintf(stderr, "ortelo_medir_inicio: %s\n", motivo);
    return 1;
}

struct FecharConexao {
    void operator()(xcb_connection_t* conexao) const { xcb_disconnect(conexao); }
};

// Asks for the creation and mapping of the root window's children, i.e. of every top-level window.
bool ObservarJanelasDeTopo(xcb_connection_t* conexao)
{
    const xcb_screen_t* tela = xcb_setup_roots_iterator(xcb_get_setup(conexao)).data;
    const std::uint32_t mascara = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* erro = xcb_request_check(
        conexao, xcb_change_window_attributes_checked(conexao, tela->root, XCB_CW_EVENT_MASK, &mascara));
    std::free(erro);
    return erro == nullptr;
}

// True once a top-level window that is not a popup (tooltip, menu) has been mapped.
bool JanelaMapeada(xcb_connection_t* conexao)
{
    bool mapeada = false;
    while (xcb_generic_event_t* evento = xcb_poll_for_event(conexao)) {
        if ((evento->response_type & 0x7F) == XCB_MAP_NOTIFY &&
            !reinterpret_cast<xcb_map_notify_event_t*>(evento)->override_redirect)
            mapeada = true;
        std::free(evento);
    }
    return mapeada;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Falhar("usage: ortelo_medir_inicio FOLDER PROGRAM [ARGUMENTS...]");

    const std::unique_ptr<xcb_connection_t, FecharConexao> conexao(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(conexao.get()))
        return Falhar("cannot connect to the X display (is DISPLAY set?)");
    if (!ObservarJanelasDeTopo(conexao.get()))
        return Falhar("cannot watch the root window");
    const int descritor = xcb_get_file_descriptor(conexao.get());

    const Relogio::time_point inicio = Relogio::now();
    const pid_t filho = fork();
    if (filho < 0)
        return Falhar("fork failed");
    if (filho == 0) {
        close(descritor);
        if (chdir(argv[1]) != 0)
            _exit(126);
        execv(argv[2], argv + 2);
        _exit(127);
    }

    bool mapeada = false;
    Relogio::time_point mapeamento;
    while (!mapeada) {
        if (Relogio::now() - inicio > PrazoMapear)
            break;
        pollfd espera{descritor, POLLIN, 0};
        poll(&espera, 1, 50);
        if (xcb_connection_has_error(conexao.get()))
            break;
        mapeada = JanelaMapeada(conexao.get());
        if (mapeada)
            mapeamento = Relogio::now();
        else if (waitpid(filho, nullptr, WNOHANG) == filho)
            return Falhar("the program ended before it showed a window");
    }
    if (!mapeada) {
        kill(filho, SIGKILL);
        waitpid(filho, nullptr, 0);
        return Falhar("no window was mapped in time");
    }

    std::this_thread::sleep_for(TempoParaPintar);
    kill(filho, SIGTERM);
    int estado = 0;
    rusage uso{};
    if (wait4(filho, &estado, 0, &uso) != filho)
        return Falhar("lost the program");

    const double ms = std::chrono::duration<double, std::milli>(mapeamento - inicio).count();
    const auto emMs = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    std::printf("%.2f %ld %.2f\n", ms, uso.ru_maxrss, emMs(uso.ru_utime) + emMs(uso.ru_stime));
    return 0;
}
