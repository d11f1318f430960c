#!/usr/bin/env python3
"""Writes a short captured FenmarchMUD session, one file per received read, for the demo and the
replay tests. The reads are cut where a real network might cut them: inside a telnet command,
inside a control line and right after a prompt."""
import pathlib

ESC = "\x1b"
IAC, WILL, WONT, DO = 255, 251, 252, 253
reads = [
    bytes([IAC, DO, 39, IAC, WILL, 42]) + b"Welcome to FenmarchMUD!\r\n\r\nWhat name would you like to use? ",
    b"\r\nPassword: " + bytes([IAC, WILL]),
    bytes([1]) + b"\r\n" + bytes([IAC, WONT, 1]) + b"\r\nAllowing login.\r\n"
    + b"        >>> Terminal currently set to ansi <<<\r\n",
    b"##VESK NAME Tamsin\n##VESK STATUS 45 60 20 30 10 15\n##VESK LIMBS 'head' 0 'torso' 0 "
    b"'left arm' 0 'right arm' 0 'left leg' 0 'right leg' 0\n##VESK XP 1200 2000 0\n##VE",
    b"SK AC 'torso' 3\n" + (ESC + "[1;32mThe Square" + ESC + "[0;37;40m\r\n").encode()
    + b"A wide square paved with worn stones.\r\nhp: 45    sp: 20    mp: 10 > ",
    b"\r\n[Gossip] Amy: anyone up for the crypt?\r\nBob says: hello there\r\n",
    b"##VESK COMBAT @giant rat@ 8 0 @Amy@ 10 1\nThe giant rat bites you!\r\n"
    b"hp: 40    sp: 20    mp: 10    left arm: 15\r\n##VESK LIMB 'left arm' 15\n",
    b"You kill the giant rat.\r\nYou gain 120 experience.\r\n##VESK LEAVECOMBAT\n"
    b"Amy tells you: nice one\r\nHP: 40/60 | SP: 20/30 | MP: 10/15\r\n",
]
folder = pathlib.Path(__file__).with_name("sample-session")
folder.mkdir(exist_ok=True)
for number, read in enumerate(reads, 1):
    (folder / f"{number:02d}.bin").write_bytes(read)
