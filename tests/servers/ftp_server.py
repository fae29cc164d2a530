#!/usr/bin/python3
"""FTP server for the tests: pyftpdlib on 127.0.0.1, an ephemeral port printed on the first line.

Options:
  --gebruiker NAAM WACHTWOORD MAP   an account with its home folder (repeatable)
  --zonder-mdtm                     the server does not know MDTM
  --zonder-mlsd                     the server does not know MLSD/MLST (LIST only)
  --stil-na BYTES                   data connections freeze after about BYTES bytes (no close, no reply)
  --stil-bij COMMANDO               the server never answers this command
  --log                             one line per event on standard output:
                                      SESSIE <n> open | SESSIE <n> login <naam> | SESSIE <n> dicht
                                      CMD <n> <regel>      (PASS is masked)
"""

import argparse
import itertools
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, proto_cmds
from pyftpdlib.servers import FTPServer


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--gebruiker", nargs=3, action="append", default=[], metavar=("NAAM", "WACHTWOORD", "MAP"))
    p.add_argument("--zonder-mdtm", action="store_true")
    p.add_argument("--zonder-mlsd", action="store_true")
    p.add_argument("--stil-na", type=int, default=None)
    p.add_argument("--stil-bij", default=None)
    p.add_argument("--log", action="store_true")
    args = p.parse_args()

    logging.basicConfig(level=logging.CRITICAL)
    teller = itertools.count(1)

    def meld(regel):
        if args.log:
            print(regel, flush=True)

    authorizer = DummyAuthorizer()
    for naam, wachtwoord, map_ in args.gebruiker:
        authorizer.add_user(naam, wachtwoord, map_, perm="elradfmwMT")

    commandos = dict(proto_cmds)
    if args.zonder_mdtm:
        commandos.pop("MDTM", None)
    if args.zonder_mlsd:
        commandos.pop("MLSD", None)
        commandos.pop("MLST", None)

    class StilDTP(DTPHandler):
        """Stops moving data after --stil-na bytes but keeps the socket open: a server that hangs."""

        def use_sendfile(self):
            return False

        def _stil(self):
            return args.stil_na is not None and self.tot_bytes_sent + self.tot_bytes_received >= args.stil_na

        def _bevries(self):
            self.ioloop.unregister(self._fileno)
            self.modify_ioloop_events = lambda *a, **k: None

        def initiate_send(self):
            if self._stil():
                self._bevries()
                return
            super().initiate_send()

        def handle_read(self):
            if self._stil():
                self._bevries()
                return
            super().handle_read()

        handle_read_event = handle_read

    class Handler(FTPHandler):
        proto_cmds = commandos
        auth_failed_timeout = 0
        banner = "Testserver klaar."

        def on_connect(self):
            self.sessie = next(teller)
            meld("SESSIE %d open" % self.sessie)

        def on_login(self, username):
            meld("SESSIE %d login %s" % (self.sessie, username))

        def on_disconnect(self):
            meld("SESSIE %d dicht" % getattr(self, "sessie", 0))

        def pre_process_command(self, line, cmd, arg):
            meld("CMD %d %s" % (self.sessie, "PASS ******" if cmd == "PASS" else line))
            if args.stil_bij and cmd == args.stil_bij.upper():
                return
            super().pre_process_command(line, cmd, arg)

    if args.stil_na is not None:
        Handler.dtp_handler = StilDTP
    Handler.authorizer = authorizer

    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.address[1], flush=True)
    try:
        server.serve_forever(handle_exit=False)
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
