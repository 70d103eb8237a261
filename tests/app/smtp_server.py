#!/usr/bin/python3
"""A real SMTP server on a loopback port for the feedback-mail tests.

Accepts AUTH LOGIN without TLS, stores every received message as JSON in the
folder given as the first argument, prints its port, and stops when its
standard input closes (or after ten minutes at the latest)."""
import json
import os
import socket
import sys
import threading
import time

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

OUT = sys.argv[1]
counter = 0


class Handler:
    async def handle_DATA(self, server, session, envelope):
        global counter
        counter += 1
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "auth_mechanism": getattr(session, "auth_mechanism", None),
            "login": getattr(session, "auth_login", None),
            "content": envelope.original_content.decode("ascii", "replace"),
        }
        path = os.path.join(OUT, f"mail{counter}.json")
        with open(path + ".tmp", "w") as f:
            json.dump(record, f)
        os.replace(path + ".tmp", path)
        return "250 OK"


def authenticator(server, session, envelope, mechanism, auth_data):
    session.auth_mechanism = mechanism
    session.auth_login = auth_data.login.decode() if isinstance(auth_data, LoginPassword) else None
    ok = isinstance(auth_data, LoginPassword) and auth_data.login == b"feedback-user" and auth_data.password == b"secret"
    return AuthResult(success=ok)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


port = free_port()
controller = Controller(Handler(), hostname="127.0.0.1", port=port, authenticator=authenticator,
                        auth_required=True, auth_require_tls=False)
controller.start()
print(port, flush=True)
done = threading.Event()
threading.Thread(target=lambda: (sys.stdin.read(), done.set()), daemon=True).start()
done.wait(timeout=600)
controller.stop()
