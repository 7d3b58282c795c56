"""The main window under Wine: caption, frame, geometry, Enter, Exit and closing."""
import re
import subprocess
import time

WS_CAPTION = 0x00C00000
WS_SYSMENU = 0x00080000
WS_THICKFRAME = 0x00040000
WS_MINIMIZEBOX = 0x00020000
WS_MAXIMIZEBOX = 0x00010000
WS_EX_DLGMODALFRAME = 0x00000001


def parse(line):
    """Fields of a driver description line."""
    fields = dict(re.findall(r'(\w+)=("[^"]*"|\S+)', line))
    return {k: v.strip('"') for k, v in fields.items()}


def rect(fields):
    return tuple(int(n) for n in fields['rect'].split(','))


def wait_exit(proc, timeout=30):
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        proc.kill()
        raise AssertionError('Vardeko.exe did not end')


def show_from_tray(host):
    """Brings the hidden main window back with "&Setting" from the tray icon's menu."""
    host.run_driver('tray-wait', '1', '20000')
    host.run_driver('tray-click', '0', 'right')
    host.run_driver('menu-keys', 's', '10000')
    host.run_driver('menu-gone', '10000')
    deadline = time.monotonic() + 20
    while 'visible=1' not in host.run_driver('find', 'TForm1', 'Vardeko', '5000')[0]:
        if time.monotonic() > deadline:
            raise AssertionError('the main window did not come back from the tray')
        time.sleep(0.1)


def start(host, folder):
    """Starts the program (it starts hidden in the tray) and shows its window; returns the
    process, the window's description and the time from the start to the window's creation."""
    proc = host.start_program(host.install_program(folder))
    t0 = time.monotonic()
    first = host.run_driver('find', 'TForm1', 'Vardeko', '20000')
    elapsed = time.monotonic() - t0
    assert 'visible=0' in first[0], 'the window starts hidden'
    show_from_tray(host)
    return proc, host.run_driver('find', 'TForm1', 'Vardeko', '20000'), elapsed


def test_main_window_has_caption_dialog_frame_and_collapsed_height(host):
    proc, lines, _ = start(host, 'mainwindow')
    try:
        form = parse(lines[0])
        assert form['text'] == 'Vardeko', form
        assert form['visible'] == '1', form
        style, exstyle = int(form['style'], 16), int(form['exstyle'], 16)
        assert style & WS_CAPTION == WS_CAPTION
        assert not style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), hex(style)
        assert exstyle & WS_EX_DLGMODALFRAME
        left, top, width, height = rect(form)
        assert height == 265, form
        screen_w, screen_h = (int(n) for n in host.run_driver('screen')[0][7:].split('x'))
        assert (left, top) == ((screen_w - width) // 2, (screen_h - height) // 2), form
        assert form['client'].startswith('457x'), form

        buttons = {parse(l)['text']: parse(l) for l in lines[1:]}
        assert set(buttons) >= {'&Ok', 'E&xit'}, buttons
        ok_left, ok_top = rect(buttons['&Ok'])[:2]
        exit_left = rect(buttons['E&xit'])[0]
        client_left = left + (width - 457) // 2
        assert exit_left - ok_left == 88
        assert rect(buttons['&Ok'])[2:] == (80, 27)
        assert ok_left - client_left == 280, (ok_left, client_left)
    finally:
        host.run_driver('close', 'TForm1', 'Vardeko')
        wait_exit(proc)


def test_exit_button_ends_the_program_with_code_zero(host):
    proc, _, _ = start(host, 'exitbutton')
    host.run_driver('click', 'TForm1', 'Vardeko', 'E&xit')
    assert wait_exit(proc) == 0


def test_enter_acts_as_ok_then_a_close_from_outside_ends_the_program(host):
    proc, _, _ = start(host, 'enter')
    host.run_driver('key', 'TForm1', 'Vardeko', 'return')
    host.run_driver('wait-hidden', 'TForm1', 'Vardeko', '10000')
    assert proc.poll() is None, 'Ok must hide the window, not end the program'
    host.run_driver('close', 'TForm1', 'Vardeko')
    assert wait_exit(proc) == 0


def test_alt_x_exits(host):
    proc, _, _ = start(host, 'altx')
    host.run_driver('key', 'TForm1', 'Vardeko', 'alt+x')
    assert wait_exit(proc) == 0


def test_start_to_main_window_time(host):
    """Prints the time from process start to the (hidden) main window, warm wineserver."""
    proc, _, elapsed = start(host, 'timing')
    print(f'    start to main window: {elapsed * 1000:.0f} ms')
    host.run_driver('click', 'TForm1', 'Vardeko', 'E&xit')
    wait_exit(proc)
