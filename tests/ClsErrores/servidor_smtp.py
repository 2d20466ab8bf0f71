#!/usr/bin/python3
"""SMTP server on loopback for the mail tests (Debian's python3-aiosmtpd).

  servidor_smtp.py DIR          start in the background; once ready DIR/puerto holds its port,
                                DIR/mudo one that takes connections and never answers, DIR/libre
                                one where nobody listens
  servidor_smtp.py DIR --para   stop it

Each message is saved as DIR/mensajes/N.json (envelope, decoded subject, text body and charset,
attachments saved beside it). Recipients "rechazo@..." are refused. It stops itself after 10 min.
"""
import email
import email.header
import itertools
import json
import os
import pathlib
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time


class Manejador:
    def __init__(self, carpeta):
        self.carpeta, self.cuenta = carpeta, itertools.count(1)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower().startswith("rechazo@"):
            return "550 5.1.1 Buzon no disponible"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        n = next(self.cuenta)
        mensaje = email.message_from_bytes(envelope.original_content or envelope.content)
        asunto = str(email.header.make_header(email.header.decode_header(mensaje["Subject"])))
        datos = {"mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos, "subject": asunto,
                 "body": None, "charset": None, "attachments": []}
        for parte in mensaje.walk():
            contenido = parte.get_payload(decode=True) or b""
            if parte.is_multipart():
                continue
            if parte.get_filename() is None and datos["body"] is None:
                datos["charset"] = parte.get_content_charset()
                datos["body"] = contenido.decode(datos["charset"] or "ascii")
            else:
                ruta = os.path.join(self.carpeta, "%d-%s" % (n, os.path.basename(parte.get_filename())))
                pathlib.Path(ruta).write_bytes(contenido)
                datos["attachments"].append({"filename": parte.get_filename(), "path": ruta})
        escribe(self.carpeta, "%d.json" % n, json.dumps(datos, ensure_ascii=False))
        return "250 Message accepted for delivery"


# Written whole under another name first: a reader never sees half a file.
def escribe(carpeta, nombre, valor):
    temporal = pathlib.Path(carpeta, nombre + ".tmp")
    temporal.write_text(str(valor), encoding="utf-8")
    os.replace(temporal, pathlib.Path(carpeta, nombre))


def sirve(carpeta):
    from aiosmtpd.controller import Controller

    fin = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: fin.set())
    mudo, libre, puerto = socket.socket(), socket.socket(), socket.socket()
    for s in (mudo, libre, puerto):
        s.bind(("127.0.0.1", 0))
    mudo.listen(4)  # takes connections, never answers; `libre` is bound and never listens
    numero = puerto.getsockname()[1]
    puerto.close()  # free again, for the server
    controlador = Controller(Manejador(os.path.join(carpeta, "mensajes")), hostname="127.0.0.1",
                             port=numero)
    controlador.start()
    for nombre, valor in (("pid", os.getpid()), ("mudo", mudo.getsockname()[1]),
                          ("libre", libre.getsockname()[1]), ("puerto", controlador.port)):
        escribe(carpeta, nombre, valor)
    fin.wait(600)
    controlador.stop()


def arranca(carpeta):
    # Messages of an earlier run must not be taken for this run's.
    shutil.rmtree(os.path.join(carpeta, "mensajes"), ignore_errors=True)
    pathlib.Path(carpeta, "puerto").unlink(missing_ok=True)
    os.makedirs(os.path.join(carpeta, "mensajes"))
    # A session of its own, detached from the caller's pipes, so that CTest does not wait for it.
    with open(os.path.join(carpeta, "servidor.log"), "wb") as registro:
        subprocess.Popen([sys.executable, __file__, carpeta, "--sirve"], start_new_session=True,
                         stdin=subprocess.DEVNULL, stdout=registro, stderr=registro)
    for _ in range(400):
        if os.path.exists(os.path.join(carpeta, "puerto")):
            return 0
        time.sleep(0.05)
    sys.exit("el servidor SMTP no arrancó; ver " + os.path.join(carpeta, "servidor.log"))


def para(carpeta):
    # Without its port file a test run outside CTest knows there is no server.
    pathlib.Path(carpeta, "puerto").unlink(missing_ok=True)
    try:
        os.kill(int(open(os.path.join(carpeta, "pid")).read()), signal.SIGTERM)
    except (OSError, ValueError):
        pass  # no server, or it has stopped
    return 0


if __name__ == "__main__":
    acciones = {(2, None): arranca, (3, "--para"): para, (3, "--sirve"): sirve}
    accion = acciones.get((len(sys.argv), sys.argv[2] if len(sys.argv) > 2 else None))
    sys.exit(accion(sys.argv[1]) if accion else __doc__)
