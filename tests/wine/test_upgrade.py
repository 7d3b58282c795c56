"""The upgrade check under Wine: the real WinINet client against a loopback HTTP server.

httpcheck.exe runs one CheckForUpgrade of acAutoUpgrader1 and prints what the user would see;
the server here scripts each answer and records each request.
"""
import os
import queue
import shutil
import socket
import struct
import subprocess
import threading
import time

CAPTION = 'Wizard Pembaruan Aplikasition'
QUESTION = ('ask caption=' + CAPTION + ' text=Versi terbaru dari [b]Vardeko[] telah beredar.'
            '\\r\\n\\r\\n{message}[DEF]\\r\\n\\r\\n'
            'Apakah Anda ingin memperbarui dengan yang paling baru ?')
CONNECTION_LOST = ('connection-lost caption=' + CAPTION + ' text=Koneksi dengan server putus.'
                   '\\r\\n\\r\\nMohon koneksi di perbaiki dan \\r\\nulangi proses upgrade.')


def info_file(version, first_url='http://www.vardeko.test/Vardeko.zip',
              message='Perbaikan koneksi ulang.'):
    return ('[Vardeko Upgrade]\r\nVersion={}\r\nMethod=umRedirectToURL\r\nURL={}\r\n'
            'URL=http://mirror.vardeko.test/Vardeko.zip\r\nMessage={}\r\n[End]\r\n'
            .format(version, first_url, message)).encode('latin-1')


# -- the loopback server -----------------------------------------------------------------------

def answer(status, body, length=None):
    """Sends a whole answer; `length` announces another Content-Length than the body's."""
    def send(conn):
        head = 'HTTP/1.1 {} X\r\nContent-Length: {}\r\nConnection: close\r\n\r\n'.format(
            status, len(body) if length is None else length)
        conn.sendall(head.encode('ascii') + body)
    return send


def cut_short(body, keep, reset, status=200):
    """Announces the whole body, sends `keep` bytes of it, then closes (FIN) or resets (RST)."""
    def send(conn):
        answer(status, body[:keep], length=len(body))(conn)
        if reset:
            time.sleep(0.2)  # the head must reach the client before the reset overtakes it
            conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack('ii', 1, 0))
    return send


def held(arrived, release, then):
    """Signals `arrived`, waits for `release`, then answers with `then`."""
    def send(conn):
        arrived.set()
        release.wait(120)
        then(conn)
    return send


def close_at_once(conn):
    """Answers nothing: the connection closes as soon as the request is read."""
    del conn  # closed by the caller


class LoopbackServer:
    """HTTP/1.1 on 127.0.0.1: each path answers as its route says; requests are recorded."""

    def __init__(self):
        self.routes = {}
        self.requests = []  # (request line, [header lines])
        self._lock = threading.Lock()
        self._sock = socket.socket()
        self._sock.bind(('127.0.0.1', 0))
        self._sock.listen(16)
        self.port = self._sock.getsockname()[1]
        threading.Thread(target=self._serve, daemon=True).start()

    def url(self, path):
        return 'http://127.0.0.1:{}{}'.format(self.port, path)

    def requests_for(self, path):
        with self._lock:
            return [r for r in self.requests if r[0].split(' ')[1] == path]

    def close(self):
        self._sock.close()

    def _serve(self):
        while True:
            try:
                conn, _ = self._sock.accept()
            except OSError:
                return
            threading.Thread(target=self._handle, args=(conn,), daemon=True).start()

    def _handle(self, conn):
        with conn:
            data = b''
            while b'\r\n\r\n' not in data:
                chunk = conn.recv(4096)
                if not chunk:
                    return
                data += chunk
            lines = data.split(b'\r\n\r\n')[0].decode('latin-1').split('\r\n')
            with self._lock:
                self.requests.append((lines[0], lines[1:]))
            route = self.routes.get(lines[0].split(' ')[1], answer(404, b'Not Found'))
            route(conn)


def closed_port():
    with socket.socket() as probe:
        probe.bind(('127.0.0.1', 0))
        return probe.getsockname()[1]


# -- httpcheck.exe -----------------------------------------------------------------------------

class HttpCheck:
    """One run of httpcheck.exe; its lines are read as they come."""

    def __init__(self, host, url, answer_word='nanti', *flags):
        exe = install_tool(host)
        self.proc = subprocess.Popen(['wine', exe, 'check', url, answer_word, *flags],
                                     env=host.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, text=True)
        self.lines = []
        self._queue = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            self._queue.put(line.rstrip('\n'))
        self._queue.put(None)

    def expect(self, prefix, timeout=60):
        """The next line that starts with `prefix`, keeping every line read on the way."""
        deadline = time.monotonic() + timeout
        while True:
            line = self._queue.get(timeout=max(0.1, deadline - time.monotonic()))
            if line is None:
                raise AssertionError('httpcheck ended before "{}": {}'.format(prefix, self.lines))
            self.lines.append(line)
            if line.startswith(prefix):
                return line

    def send(self, text='go'):
        self.proc.stdin.write(text + '\n')
        self.proc.stdin.flush()

    def finish(self, timeout=60):
        self.expect('finished', timeout)
        try:
            code = self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            raise AssertionError('httpcheck did not end: {}'.format(self.lines))
        assert code == 0, (code, self.lines)
        return self.lines

    def shown(self):
        """The lines that stand for something the user sees or the program does."""
        return [l for l in self.lines if l.split(' ')[0] in ('ask', 'connection-lost', 'open',
                                                              'error-box')]


def install_tool(host):
    """httpcheck.exe copied into the prefix's C: drive; returns its Unix path."""
    folder = os.path.join(host.prefix, 'drive_c', 'upgradecheck')
    os.makedirs(folder, exist_ok=True)
    target = os.path.join(folder, 'httpcheck.exe')
    if not os.path.exists(target):
        shutil.copy(os.path.join(host.build_dir, 'tests', 'wine', 'httpcheck.exe'), target)
    return target


def run_check(host, url, answer_word='nanti', *flags):
    check = HttpCheck(host, url, answer_word, *flags)
    check.finish()
    return check


def transfer_line(check):
    return next(l for l in check.lines if l.startswith('transfer '))


# -- tests -------------------------------------------------------------------------------------

def test_upgrade_newer_version_asks_once_over_an_uncached_request(host):
    server = LoopbackServer()
    try:
        server.routes['/download/Vardeko/Vardeko.inf'] = answer(200, info_file('2.0.7'))
        check = run_check(host, server.url('/download/Vardeko/Vardeko.inf'))
        assert check.shown() == [QUESTION.format(message='Perbaikan koneksi ulang.')], check.lines
        requests = server.requests_for('/download/Vardeko/Vardeko.inf')
        assert len(requests) == 1, server.requests
        request_line, headers = requests[0]
        assert request_line.startswith('GET '), request_line
        names = [h.split(':')[0].strip().lower() for h in headers]
        pragmas = [h for h in headers if h.lower().startswith('pragma:')]
        assert pragmas == ['Pragma: no-cache'], headers
        assert 'if-modified-since' not in names and 'if-none-match' not in names, headers
        assert 'User-Agent: Vardeko/2.0.6' in headers, headers
    finally:
        server.close()


def test_upgrade_outcomes_without_a_newer_version_show_nothing(host):
    server = LoopbackServer()
    try:
        server.routes.update({
            '/same': answer(200, info_file('2.0.6')),
            '/same4': answer(200, info_file('2.0.6.0')),
            '/older': answer(200, info_file('2.0.5')),
            '/missing': answer(404, info_file('2.0.7')),
            '/html': answer(200, b'<html><body>Parked domain</body></html>'),
            '/silent': close_at_once,
            '/huge': answer(200, info_file('2.0.7') + b';' * 70000),
            '/missing-cut': cut_short(b'Not Found' * 100, 20, reset=False, status=404),
        })
        cases = [(server.url(p), kind) for p, kind in [
            ('/same', 'none'), ('/same4', 'none'), ('/older', 'none'), ('/missing', 'none'),
            ('/html', 'none'), ('/silent', 'other'), ('/huge', 'too-large'),
            ('/missing-cut', 'connection-broken')]]
        cases += [('http://127.0.0.1:{}/Vardeko.inf'.format(closed_port()), 'cannot-connect'),
                  ('http://upgrade.vardeko.invalid/Vardeko.inf', 'cannot-resolve'),
                  ('ftp://127.0.0.1:{}/Vardeko.inf'.format(server.port), 'other')]
        for url, kind in cases:
            check = run_check(host, url)
            assert check.shown() == [], (url, check.lines)
            assert transfer_line(check).startswith('transfer failure=' + kind), (url, check.lines)
    finally:
        server.close()


def test_upgrade_connection_cut_mid_transfer_shows_connection_lost(host):
    server = LoopbackServer()
    try:
        body = info_file('2.0.7')
        server.routes['/fin'] = cut_short(body, 40, reset=False)
        server.routes['/rst'] = cut_short(body, 40, reset=True)
        for path in ('/fin', '/rst'):
            check = run_check(host, server.url(path))
            assert check.shown() == [CONNECTION_LOST], (path, check.lines)
            assert transfer_line(check).startswith('transfer failure=connection-broken'), \
                check.lines
    finally:
        server.close()


def test_upgrade_second_check_during_a_slow_transfer_is_ignored(host):
    server = LoopbackServer()
    arrived, release = threading.Event(), threading.Event()
    try:
        server.routes['/slow'] = held(arrived, release, answer(200, info_file('2.0.10')))
        check = HttpCheck(host, server.url('/slow'), 'nanti', '--second-on-stdin')
        assert check.expect('started') == 'started 1'
        assert arrived.wait(60), 'the first request never came'
        check.send()
        assert check.expect('second') == 'second 0', check.lines
        release.set()
        check.finish()
        assert check.shown() == [QUESTION.format(message='Perbaikan koneksi ulang.')], check.lines
        assert len(server.requests) == 1, server.requests
    finally:
        release.set()
        server.close()


def test_upgrade_component_destroyed_mid_transfer_ends_quietly(host):
    server = LoopbackServer()
    arrived, release = threading.Event(), threading.Event()
    try:
        server.routes['/slow'] = held(arrived, release, answer(200, info_file('2.0.10')))
        # The answer comes after the component is gone: the worker must not deliver it.
        check = HttpCheck(host, server.url('/slow'), 'nanti', '--destroy-on-stdin')
        assert arrived.wait(60), 'the request never came'
        check.send()
        check.expect('destroyed')
        release.set()
        check.send()
        lines = check.finish()
        assert not [l for l in lines if l.startswith(('transfer', 'ask', 'connection-lost'))], lines

        # No answer at all: the process ends while its worker still waits on the network.
        arrived.clear()
        release.clear()
        check = HttpCheck(host, server.url('/slow'), 'nanti', '--destroy-on-stdin')
        assert arrived.wait(60), 'the request never came'
        check.send()
        check.expect('destroyed')
        check.send()
        lines = check.finish()
        assert not [l for l in lines if l.startswith(('transfer', 'ask', 'connection-lost'))], lines
    finally:
        release.set()
        server.close()


# -- opening the address -----------------------------------------------------------------------

def reg(host, *args, check=True):
    return subprocess.run(['wine', 'reg', *args, '/reg:32'], env=host.env, capture_output=True,
                          text=True, check=check)


def default_value(host, key):
    """The key's default string value; None when the key or the value is missing."""
    done = reg(host, 'query', key, '/ve', check=False)
    for line in done.stdout.splitlines():
        fields = line.split(None, 2)
        if len(fields) >= 2 and fields[1] in ('REG_SZ', 'REG_EXPAND_SZ'):
            return fields[2] if len(fields) == 3 else ''
    return None


def restore_default_value(host, key, original):
    if original is None:
        reg(host, 'delete', key, '/f', check=False)
    else:
        reg(host, 'add', key, '/ve', '/d', original, '/f', check=False)


def recorder_command(host, record_file, marker):
    tool = host.windows_path(install_tool(host))
    return '"{}" record "{}" {} "%1"'.format(tool, host.windows_path(record_file), marker)


def wait_for_lines(path, count, timeout=60):
    """The recorder starts on its own: wait for its lines (a bound, not a measured time)."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if os.path.exists(path):
            with open(path, encoding='latin-1') as f:
                lines = f.read().splitlines()
            if len(lines) >= count:
                return lines
        time.sleep(0.1)
    raise AssertionError('the browser stand-in never ran')


def ya_with_real_shell(host, server, first_url):
    server.routes['/Vardeko.inf'] = answer(200, info_file('2.1', first_url=first_url))
    return run_check(host, server.url('/Vardeko.inf'), 'ya', '--real-shell')


def test_upgrade_ya_opens_the_first_address_with_the_html_handler(host):
    server = LoopbackServer()
    record = os.path.join(host.prefix, 'drive_c', 'upgradecheck', 'html-handler.txt')
    if os.path.exists(record):
        os.remove(record)
    original = default_value(host, 'HKCR\\.htm')
    try:
        reg(host, 'add', 'HKCR\\.htm', '/ve', '/d', 'VardekoTestPage', '/f')
        reg(host, 'add', 'HKCR\\VardekoTestPage\\shell\\open\\command', '/ve', '/d',
            recorder_command(host, record, 'html-handler'), '/f')
        check = ya_with_real_shell(host, server, 'www.vardeko.test/Vardeko-2.1.zip')
        assert check.shown() == [QUESTION.format(message='Perbaikan koneksi ulang.')], check.lines
        assert wait_for_lines(record, 2) == ['html-handler',
                                             'http://www.vardeko.test/Vardeko-2.1.zip']
    finally:
        restore_default_value(host, 'HKCR\\.htm', original)
        reg(host, 'delete', 'HKCR\\VardekoTestPage', '/f', check=False)
        server.close()


def test_upgrade_ya_without_an_html_handler_hands_the_address_to_the_shell(host):
    server = LoopbackServer()
    record = os.path.join(host.prefix, 'drive_c', 'upgradecheck', 'shell.txt')
    if os.path.exists(record):
        os.remove(record)
    key = 'HKCR\\https\\shell\\open\\command'  # the handler of the address's scheme
    original = default_value(host, key)
    try:
        # Wine registers no HTML handler: the shell's own choice is what opens the address.
        assert default_value(host, 'HKCR\\.htm') is None
        assert default_value(host, 'HKCR\\.html') is None
        reg(host, 'add', key, '/ve', '/d', recorder_command(host, record, 'shell'), '/f')
        check = ya_with_real_shell(host, server, 'https://www.vardeko.test/Vardeko-2.1.zip')
        assert check.shown() == [QUESTION.format(message='Perbaikan koneksi ulang.')], check.lines
        assert wait_for_lines(record, 2) == ['shell', 'https://www.vardeko.test/Vardeko-2.1.zip']
    finally:
        restore_default_value(host, key, original)
        server.close()
