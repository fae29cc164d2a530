#!/usr/bin/python3
"""The address page for the tests: serves /IPHelper.html on 127.0.0.1, an ephemeral port printed first.

Options:
  --antwoord TEKST   the page body; given more than once, the bodies take turns per request
                     (escapes such as \\r\\n in TEKST are turned into their characters)
  --status CODE      answer every request with this HTTP status (default 200)
  --stil             read each request but never answer it (a page server that hangs)
Every request is logged on standard output as "GET <pad>".
"""

import argparse
import codecs
import http.server
import itertools
import threading
import sys


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--antwoord", action="append", default=[])
    p.add_argument("--status", type=int, default=200)
    p.add_argument("--stil", action="store_true")
    args = p.parse_args()
    bodies = itertools.cycle([codecs.decode(a, "unicode_escape").encode("utf-8") for a in args.antwoord] or [b""])

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            print("GET %s" % self.path, flush=True)
            if args.stil:
                threading.Event().wait()
            if self.path != "/IPHelper.html":
                self.send_error(404)
                return
            body = next(bodies)
            self.send_response(args.status)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *a):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
