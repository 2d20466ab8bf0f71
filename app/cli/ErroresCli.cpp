#include "app/cli/ErroresCli.h"

#include "ClsErrores/ErrObject.h"
#include "ClsErrores/clsErrores.h"

namespace cli {

void PreparaErrores() {
    thread_local bool hecho = false;
    if (hecho)
        return;
    hecho = true;
    clsErrores& e = glbErr();
    e.LogOnError(false);
    e.MandaEmailOnError(false);
    e.MsgOnError("normal");
}

} // namespace cli
