"""The editor panel under Wine: heights and centring, Add/Save/Ok into the file, Edit/Prev/Next,
Delete, and Enter in an edit performing Ok."""
import os
import time

from test_main_window import parse, rect, wait_exit
from test_persistence_and_grid import grid, ini_bytes, scramble, start

# Edits in creation order: host, max ping, user, password, UNC, the hidden record number.
HOST, MAX_PING, USER, PASSWORD, UNC, RECORD = range(6)


def form_info(host):
    return parse(host.run_driver('find', 'TForm1', 'Vardeko', '5000')[0])


def wait_for(predicate, what, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if predicate():
            return
        time.sleep(0.05)
    raise AssertionError(f'timed out waiting for {what}')


def edit_texts(host):
    lines = host.run_driver('find', 'TForm1', 'Vardeko', '5000')[1:]
    return [parse(l)['text'] for l in lines if parse(l)['class'] == 'Edit']


def screen_size(host):
    return tuple(int(n) for n in host.run_driver('screen')[0][7:].split('x'))


def test_editor_add_type_save_and_ok_writes_the_record(host):
    path, proc = start(host, 'editoradd')
    try:
        screen_w, screen_h = screen_size(host)
        host.run_driver('click', 'TForm1', 'Vardeko', '&Add')
        wait_for(lambda: rect(form_info(host))[3] == 440, 'the expanded height')
        left, top, width, height = rect(form_info(host))
        assert (left, top) == ((screen_w - width) // 2, (screen_h - height) // 2)
        assert edit_texts(host)[MAX_PING] == '105'

        host.run_driver('type', 'TForm1', 'Vardeko', str(HOST), 'fileserver')
        host.run_driver('type', 'TForm1', 'Vardeko', str(USER), 'alice')
        host.run_driver('type', 'TForm1', 'Vardeko', str(PASSWORD), 'secret')
        host.run_driver('type', 'TForm1', 'Vardeko', str(UNC), 'public')
        host.run_driver('type', 'TForm1', 'Vardeko', str(MAX_PING), '\b\b\b3x')  # x: refused
        host.run_driver('select-item', 'TForm1', 'Vardeko', '0', '12')  # "M:"
        wait_for(lambda: edit_texts(host)[UNC] == 'public', 'the typed text')
        host.run_driver('click', 'TForm1', 'Vardeko', '&Save')
        wait_for(lambda: rect(form_info(host))[3] == 265, 'the collapsed height')
        assert grid(host)[1] == [['fileserver', '', '', 'M:', 'public', '']]

        host.run_driver('click', 'TForm1', 'Vardeko', '&Ok')
        host.run_driver('wait-hidden', 'TForm1', 'Vardeko', '10000')
        with open(os.path.join(path, 'Vardeko.ini'), 'rb') as f:
            written = f.read()
        url = b'http://www.vardeko.com/download/Vardeko/Vardeko.inf'
        assert written == ini_bytes([
            ('UpGradeURL', scramble(url)), ('DriveCount', b'1'),
            ('HostName0', scramble(b'fileserver')), ('UserName0', scramble(b'alice')),
            ('Password0', scramble(b'secret')), ('UNC0', scramble(b'public')),
            ('Drive0', scramble(b'M:')), ('MaxPing0', b'3')]), written
    finally:
        host.run_driver('close', 'TForm1', 'Vardeko')
        wait_exit(proc)


def test_editor_edit_prev_next_delete_and_enter_in_an_edit(host):
    prepared = ini_bytes([
        ('DriveCount', b'3'),
        ('HostName0', b'one'), ('Drive0', b'E:'),
        ('HostName1', b'two'), ('Drive1', b'F:'),
        ('HostName2', b'three'), ('Drive2', b'G:'),
    ])
    path, proc = start(host, 'editoredit', prepared)
    try:
        host.run_driver('click', 'TForm1', 'Vardeko', '&Edit')
        wait_for(lambda: edit_texts(host)[HOST] == 'three', 'the current record in the panel')
        assert edit_texts(host)[RECORD] == '3'
        host.run_driver('click', 'TForm1', 'Vardeko', '&Prev')
        wait_for(lambda: edit_texts(host)[HOST] == 'two', 'the previous record')
        assert edit_texts(host)[RECORD] == '2'

        host.run_driver('click', 'TForm1', 'Vardeko', '&Del')
        wait_for(lambda: edit_texts(host)[RECORD] == '2', 'delete mode on record 2')
        host.run_driver('click', 'TForm1', 'Vardeko', 'De&lete')
        wait_for(lambda: len(grid(host)[1]) == 2, 'the record deleted')
        _, rows, focused = grid(host)
        assert [r[0] for r in rows] == ['one', 'three'] and focused == 1

        host.run_driver('click', 'TForm1', 'Vardeko', '&Add')
        host.run_driver('type', 'TForm1', 'Vardeko', str(HOST), 'unsaved')
        wait_for(lambda: edit_texts(host)[HOST] == 'unsaved', 'the typed text')
        host.run_driver('key', 'TForm1', 'Vardeko', 'return')
        host.run_driver('wait-hidden', 'TForm1', 'Vardeko', '10000')
        assert edit_texts(host)[HOST] == 'unsaved'
        with open(os.path.join(path, 'Vardeko.ini'), 'rb') as f:
            written = f.read()
        assert b'DriveCount=2\r\n' in written and scramble(b'unsaved') not in written
    finally:
        host.run_driver('close', 'TForm1', 'Vardeko')
        wait_exit(proc)
