#!/usr/bin/python3
"""SMTP server on loopback for the mail tests (Debian's python3-aiosmtpd).

  servidor_smtp.py DIR          start in the background; DIR/puerto holds its port once ready,
                                DIR/mudo a port that takes connections and never answers, and
                                DIR/libre one where nobody listens
  servidor_smtp.py DIR --para   stop the server started on DIR

Every message received is saved as DIR/mensajes/N.json (envelope, decoded subject, text body,
attachments saved beside it as N-<name>). A recipient whose address begins with "rechazo@" is
refused with 550. The server stops by itself after ten minutes.
"""
import email
import email.header
import email.policy
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

VIDA_MAXIMA = 600


class Manejador:
    def __init__(self, carpeta):
        self.carpeta = carpeta
        self.cuenta = 0
        self.cerrojo = threading.Lock()

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower().startswith("rechazo@"):
            return "550 5.1.1 Buzon no disponible"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        with self.cerrojo:
            self.cuenta += 1
            n = self.cuenta
        crudo = envelope.original_content or envelope.content
        mensaje = email.message_from_bytes(crudo, policy=email.policy.compat32)
        asunto = str(email.header.make_header(email.header.decode_header(mensaje.get("Subject", ""))))
        datos = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "subject": asunto,
            "headers": [k for k in mensaje.keys()],
            "body": None,
            "charset": None,
            "attachments": [],
        }
        for parte in mensaje.walk():
            if parte.is_multipart():
                continue
            nombre = parte.get_filename()
            contenido = parte.get_payload(decode=True) or b""
            if nombre is None and parte.get_content_type() == "text/plain" and datos["body"] is None:
                datos["charset"] = parte.get_content_charset()
                datos["body"] = contenido.decode(parte.get_content_charset() or "ascii")
            else:
                ruta = os.path.join(self.carpeta, "mensajes", "%d-%s" % (n, os.path.basename(nombre or "sin-nombre")))
                with open(ruta, "wb") as f:
                    f.write(contenido)
                datos["attachments"].append({"filename": nombre, "path": ruta,
                                             "content_type": parte.get_content_type()})
        final = os.path.join(self.carpeta, "mensajes", "%d.json" % n)
        with open(final + ".tmp", "w", encoding="utf-8") as f:
            json.dump(datos, f, ensure_ascii=False)
        os.replace(final + ".tmp", final)
        return "250 Message accepted for delivery"


def puerto_libre():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def sirve(carpeta):
    from aiosmtpd.controller import Controller

    os.makedirs(os.path.join(carpeta, "mensajes"), exist_ok=True)
    fin = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: fin.set())
    controlador = Controller(Manejador(carpeta), hostname="127.0.0.1", port=puerto_libre())
    controlador.start()
    mudo = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    mudo.bind(("127.0.0.1", 0))
    mudo.listen(4)
    puertos = (("pid", os.getpid()), ("mudo", mudo.getsockname()[1]), ("libre", puerto_libre()))
    for nombre, valor in puertos:
        with open(os.path.join(carpeta, nombre), "w") as f:
            f.write(str(valor))
    with open(os.path.join(carpeta, "puerto.tmp"), "w") as f:
        f.write(str(controlador.port))
    os.replace(os.path.join(carpeta, "puerto.tmp"), os.path.join(carpeta, "puerto"))
    fin.wait(VIDA_MAXIMA)
    controlador.stop()


def arranca(carpeta):
    os.makedirs(carpeta, exist_ok=True)
    # Messages of an earlier run must not be taken for this run's.
    shutil.rmtree(os.path.join(carpeta, "mensajes"), ignore_errors=True)
    for viejo in ("puerto", "pid", "mudo", "libre"):
        pathlib.Path(carpeta, viejo).unlink(missing_ok=True)
    # A session of its own, detached from the caller's pipes, so that CTest does not wait for it.
    with open(os.path.join(carpeta, "servidor.log"), "wb") as registro:
        subprocess.Popen([sys.executable, __file__, carpeta, "--sirve"], start_new_session=True,
                         stdin=subprocess.DEVNULL, stdout=registro, stderr=registro)
    limite = time.time() + 20
    while time.time() < limite:
        if os.path.exists(os.path.join(carpeta, "puerto")):
            return 0
        time.sleep(0.05)
    print("el servidor SMTP no arrancó; ver", os.path.join(carpeta, "servidor.log"), file=sys.stderr)
    return 1


def para(carpeta):
    # Without its port file a test run outside CTest knows there is no server.
    pathlib.Path(carpeta, "puerto").unlink(missing_ok=True)
    try:
        pid = int(pathlib.Path(carpeta, "pid").read_text())
        os.kill(pid, signal.SIGTERM)
        limite = time.time() + 10
        while time.time() < limite:
            os.kill(pid, 0)
            time.sleep(0.05)
    except (OSError, ValueError):
        pass  # no server, or it has stopped
    return 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[2] == "--para":
        sys.exit(para(sys.argv[1]))
    if len(sys.argv) == 3 and sys.argv[2] == "--sirve":
        sys.exit(sirve(sys.argv[1]))
    if len(sys.argv) == 2:
        sys.exit(arranca(sys.argv[1]))
    print(__doc__, file=sys.stderr)
    sys.exit(2)
