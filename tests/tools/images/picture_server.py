# A picture server for the tests and the harvest bench, on a loopback port.
#   /p/<bytes>/<name>          <bytes> bytes of picture data
#   /d<ms>/p/<bytes>/<name>    the same after a pause of <ms> milliseconds
#   /stall/<name>              accepts and never answers
#   /missing/<name>            404
#   /files/<name>              a file of the folder given as first argument
#   /hits?<path>               how often <path> was asked for
# The port is printed on the first line of output.
import os
import re
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

hits = {}
pattern = bytes((i * 7) % 251 for i in range(1 << 20))
lock = threading.Lock()
folder = sys.argv[1] if len(sys.argv) > 1 else "."


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
        elif self.path.startswith("/files/"):
            name = os.path.join(folder, os.path.basename(self.path[len("/files/"):]))
            if os.path.isfile(name):
                with open(name, "rb") as source:
                    self.answer(200, source.read(), "text/html")
            else:
                self.answer(404, b"missing")
        else:
            self.answer(404, b"missing")


class Server(ThreadingHTTPServer):
    # Room for every connection a client opens at once (the default of five
    # drops the rest, which the client retries only a second later).
    request_queue_size = 128


server = Server(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
