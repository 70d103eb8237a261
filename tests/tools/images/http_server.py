"""A small HTTP server on loopback for the image tools' tests.

Serves the files of the folder given as the first argument (the query of a
request is ignored), prints its port on the first line of standard output and
stops when standard input closes.
"""
import functools
import http.server
import sys
import threading


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=sys.argv[1]))
print(server.server_address[1], flush=True)
threading.Thread(target=server.serve_forever, daemon=True).start()
sys.stdin.read()
server.shutdown()
