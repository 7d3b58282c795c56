"""The upgrade check in the real program, against a loopback server named in Vardeko.ini:
the question at start and its "&Nanti", the connection-lost box, and the title-bar button."""
import os
import threading
import time

from test_desktop import end, wait_until
from test_main_window import parse, show_from_tray
from test_persistence_and_grid import ini_bytes
from test_upgrade import CAPTION, LoopbackServer, answer, cut_short, held, info_file


def start(host, folder, url):
    path = host.install_program(folder)
    with open(os.path.join(path, 'Vardeko.ini'), 'wb') as f:
        f.write(ini_bytes([('UpGradeURL', url.encode())]))
    proc = host.start_program(path)
    host.run_driver('tray-wait', '1', '20000')
    return proc


def box(host, title):
    """The controls of the open box with this caption, as (class, text) pairs."""
    lines = host.run_driver('find', '#32770', title, '20000')
    return [(parse(l)['class'], parse(l)['text']) for l in lines[1:]]


def texts(controls):
    return [text for kind, text in controls if kind == 'Static' and text]


def test_upgrade_app_question_at_start_and_nanti_does_nothing_further(host):
    server = LoopbackServer()
    server.routes['/Vardeko.inf'] = answer(200, info_file('2.0.10', message='Lebih cepat.'))
    proc = start(host, 'upgrade-question', server.url('/Vardeko.inf'))
    try:
        controls = box(host, CAPTION)
        shown = ' '.join(texts(controls))
        assert 'Versi terbaru dari' in shown and 'Vardeko' in shown and 'Lebih cepat.' in shown
        assert [t for k, t in controls if k == 'Button'] == ['&Ya', '&Nanti']
        requests = server.requests_for('/Vardeko.inf')
        assert len(requests) == 1
        assert any(h.lower() == 'pragma: no-cache' for h in requests[0][1]), requests

        host.run_driver('click', '#32770', CAPTION, '&Nanti')
        host.run_driver('wait-gone', '#32770', CAPTION, '10000')
        host.run_driver('sync', 'TacSimpleMessageHook')
        assert proc.poll() is None
        assert len(server.requests_for('/Vardeko.inf')) == 1
    finally:
        end(host, proc)
        server.close()


def test_upgrade_app_connection_cut_mid_transfer_shows_the_connection_lost_box(host):
    server = LoopbackServer()
    server.routes['/Vardeko.inf'] = cut_short(info_file('2.0.10'), keep=20, reset=False)
    proc = start(host, 'upgrade-cut', server.url('/Vardeko.inf'))
    try:
        controls = box(host, CAPTION)
        assert 'Koneksi dengan server putus.' in ' '.join(texts(controls)), controls
        host.run_driver('click', '#32770', CAPTION, 'OK')
        host.run_driver('wait-gone', '#32770', CAPTION, '10000')
    finally:
        end(host, proc)
        server.close()


def test_upgrade_app_title_bar_button_checks_once_while_a_transfer_runs(host):
    server = LoopbackServer()
    server.routes['/Vardeko.inf'] = answer(404, b'Not Found')  # at start: nothing is shown
    proc = start(host, 'upgrade-button', server.url('/Vardeko.inf'))
    try:
        wait_until('the start-up check', lambda: server.requests_for('/Vardeko.inf'))
        show_from_tray(host)
        arrived, release = threading.Event(), threading.Event()
        server.routes['/Vardeko.inf'] = held(arrived, release, answer(200, info_file('2.0.6')))
        host.run_driver('caption-click', 'TForm1', 'Vardeko', '2')
        assert arrived.wait(20), 'the "Auto upgrade" button starts a check'
        host.run_driver('caption-click', 'TForm1', 'Vardeko', '2')
        host.run_driver('sync', 'TacSimpleMessageHook')
        release.set()
        time.sleep(1)  # the answer reaches the program; a box would open now
        host.run_driver('sync', 'TacSimpleMessageHook')
        assert len(server.requests_for('/Vardeko.inf')) == 2, 'start-up check + one button check'
        assert host.run_driver('find', '#32770', CAPTION, '1000', check=False)[0].startswith(
            'error'), 'the same version shows nothing'
    finally:
        end(host, proc)
        server.close()
