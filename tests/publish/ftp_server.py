"""A real FTP server on 127.0.0.1 for the publishing tests.

usage: /usr/bin/python3 ftp_server.py ROOT TRANSCRIPT

Serves ROOT to the user "shop" (password "secret", every right) on a free port, prints that port
on a line of its own once it listens, and appends every command it receives to TRANSCRIPT. It
ends when its standard input closes, so it never outlives the test that started it.
"""
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    root, transcript = sys.argv[1], sys.argv[2]

    class RecordingHandler(FTPHandler):
        auth_failed_timeout = 0  # answer a wrong password at once

        def pre_process_command(self, line, cmd, arg):
            with open(transcript, "a", encoding="utf-8") as log:
                log.write(line + "\n")
            super().pre_process_command(line, cmd, arg)

    authorizer = DummyAuthorizer()
    authorizer.add_user("shop", "secret", root, perm="elradfmwMT")
    RecordingHandler.authorizer = authorizer

    server = FTPServer(("127.0.0.1", 0), RecordingHandler)
    print(server.address[1], flush=True)

    def end_with_parent():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=end_with_parent, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.WARNING)
    main()
