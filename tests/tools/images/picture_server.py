# A picture server for the tests and the harvest bench, on a loopback port.
#   /p/<bytes>/<name>          <bytes> bytes of picture data (a JPEG's first bytes, then a pattern)
#   /d<ms>/p/<bytes>/<name>    the same after a pause of <ms> milliseconds
#   /stall/<name>              accepts and never answers
#   /missing/<name>            404
#   /files/<name>              a file of the folder given as first argument
#   /hits?<path>               how often <path> was asked for
# Hostile answers:
#   /endless/<name>            picture data that never ends (no length)
#   /huge/<name>               announces 2147483648 bytes, then sends picture data
#   /nolength/<bytes>/<name>   <bytes> bytes of picture data without a length
#   /drip/<ms>/<name>          announces a megabyte, then sends one byte every <ms> ms
#   /reset/<name>              announces 100000 bytes, sends 5000 and resets the connection
#   /html/<name>               70 KB of HTML served as image/jpeg
#   /tofile/<name>             redirects to a file: address
#   /loop/<n>                  redirects to /loop/<n+1>, for ever
#   /hops/<n>/<name>           redirects n times, then answers 1000 bytes of picture data
#   /tohttp/<name>             redirects to the plain server's /p/100/<name>
# With "--tls CERT" a second server speaks TLS with CERT (key and certificate
# in one file). The plain port is printed on the first line of output, the
# TLS port on the second.
import os
import re
import socket
import ssl
import struct
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

hits = {}
pattern = b"\xff\xd8\xff\xe0" + bytes((i * 7) % 251 for i in range((1 << 20) - 4))
lock = threading.Lock()
arguments = sys.argv[1:]
certificate = None
if "--tls" in arguments:
    at = arguments.index("--tls")
    certificate = arguments[at + 1]
    del arguments[at : at + 2]
folder = arguments[0] if arguments else "."
plain_port = 0


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    # Headers and body go out in separate writes: without this the second
    # one waits for the client's delayed acknowledgement (about 40 ms).
    disable_nagle_algorithm = True

    def log_message(self, *args):
        pass

    def answer(self, status, body, kind="application/octet-stream"):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        if self.path.startswith("/hits?"):
            with lock:
                count = hits.get(self.path[len("/hits?"):], 0)
            self.answer(200, str(count).encode(), "text/plain")
            return
        with lock:
            hits[self.path] = hits.get(self.path, 0) + 1
        match = re.match(r"^/(?:d(\d+)/)?p/(\d+)/", self.path)
        if match:
            if match.group(1):
                time.sleep(int(match.group(1)) / 1000.0)
            size = int(match.group(2))
            body = pattern * (size // len(pattern)) + pattern[: size % len(pattern)]
            self.answer(200, body, "image/jpeg")
        elif self.path.startswith("/stall/"):
            time.sleep(3600)
        elif self.hostile():
            pass
        elif self.path.startswith("/files/"):
            name = os.path.join(folder, os.path.basename(self.path[len("/files/"):]))
            if os.path.isfile(name):
                with open(name, "rb") as source:
                    self.answer(200, source.read(), "text/html")
            else:
                self.answer(404, b"missing")
        else:
            self.answer(404, b"missing")


    def headers_only(self, status, length=None, kind="image/jpeg", extra=()):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        if length is not None:
            self.send_header("Content-Length", str(length))
        else:
            self.send_header("Connection", "close")
            self.close_connection = True
        for name, value in extra:
            self.send_header(name, value)
        self.end_headers()

    def stream(self, chunks):
        try:
            for chunk in chunks:
                self.wfile.write(chunk)
                self.wfile.flush()
        except (BrokenPipeError, ConnectionResetError):
            pass
        self.close_connection = True

    def redirect(self, location):
        self.headers_only(302, 0, "text/html", [("Location", location)])

    def hostile(self):
        path = self.path
        if path.startswith("/endless/"):
            self.headers_only(200)
            self.stream(iter(lambda: pattern[: 1 << 16], None))
        elif path.startswith("/huge/"):
            self.headers_only(200, 2147483648)
            self.stream(pattern[: 1 << 16] for _ in range(32768))
        elif path.startswith("/nolength/"):
            size = int(path.split("/")[2])
            self.headers_only(200)
            self.stream(pattern[: min(1 << 16, size - sent)] for sent in range(0, size, 1 << 16))
        elif path.startswith("/drip/"):
            pause = int(path.split("/")[2]) / 1000.0
            self.headers_only(200, 1 << 20)

            def drip():
                for i in range(1 << 20):
                    yield pattern[i : i + 1]
                    time.sleep(pause)

            self.stream(drip())
        elif path.startswith("/reset/"):
            self.headers_only(200, 100000)
            self.wfile.write(pattern[:5000])
            self.wfile.flush()
            # A zero linger turns the close into a reset.
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.connection.close()
            self.close_connection = True
        elif path.startswith("/html/"):
            body = (b"<html><body>" + b"<p>not a picture</p>" * 3500 + b"</body></html>")
            self.answer(200, body, "image/jpeg")
        elif path.startswith("/tofile/"):
            self.redirect("file:///etc/passwd")
        elif path.startswith("/loop/"):
            self.redirect("/loop/%d" % (int(path.split("/")[2]) + 1))
        elif path.startswith("/hops/"):
            left, name = int(path.split("/")[2]), path.split("/")[3]
            if left > 0:
                self.redirect("/hops/%d/%s" % (left - 1, name))
            else:
                self.answer(200, pattern[:1000], "image/jpeg")
        elif path.startswith("/tohttp/"):
            self.redirect("http://127.0.0.1:%d/p/100/%s" % (plain_port, path.split("/")[2]))
        else:
            return False
        return True


class Server(ThreadingHTTPServer):
    # Room for every connection a client opens at once (the default of five
    # drops the rest, which the client retries only a second later).
    request_queue_size = 128

    # Clients that give up (as they must on the hostile answers) are no news.
    def handle_error(self, request, client_address):
        pass


server = Server(("127.0.0.1", 0), Handler)
server.daemon_threads = True
plain_port = server.server_address[1]
print(plain_port, flush=True)
if certificate:
    secure = Server(("127.0.0.1", 0), Handler)
    secure.daemon_threads = True
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(certificate)
    secure.socket = context.wrap_socket(secure.socket, server_side=True)
    print(secure.server_address[1], flush=True)
    threading.Thread(target=secure.serve_forever, daemon=True).start()
server.serve_forever()
