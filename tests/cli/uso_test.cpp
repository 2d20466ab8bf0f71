// The command line's grammar: the wait for a project in use. Its help and its usage errors are
// rows of the command table (lectura_test.cpp).

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include "host/files/ProjectLock.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace soporte;

// A wait beyond a day is waited as a day, not given up at once: the run takes the project when
// another process lets it go a second later, and not before.
TEST(Uso, UnaEsperaEnormeEsperaAQueSeSuelteElProyecto) {
    Carpeta c;
    auto vbp = (Copia(Datos("cli/Prueba"), c / "p") / "Prueba.vbp");
    for (const char* espera : {"1e20", "inf"}) {
        int tubo[2];
        ASSERT_EQ(pipe(tubo), 0);
        const pid_t otro = fork();
        if (otro == 0) {
            const int fd = open(files::ProjectLock::NameFor(vbp).c_str(), O_RDWR | O_CREAT, 0644);
            if (fd < 0 || flock(fd, LOCK_EX) != 0 || write(tubo[1], "x", 1) != 1)
                _exit(1);
            sleep(1);
            _exit(0); // its end lets the lock go
        }
        char x = 0;
        ASSERT_EQ(read(tubo[0], &x, 1), 1);
        auto r = Lintrap({"--wait", espera, "list", vbp.string(), "--names"});
        EXPECT_EQ(r.codigo, 0) << espera << ": " << r.err;
        // it ran only once the other let the project go
        EXPECT_EQ(waitpid(otro, nullptr, WNOHANG), otro) << espera;
        waitpid(otro, nullptr, 0);
        close(tubo[0]);
        close(tubo[1]);
    }
}
