"""From the greeting to a character in play: log in to a known character
with its password, or create a new one.

Creating begins with the event "newcreate" once the player confirms the new
name; from then on the client counts as creating until "login", and a
creation given up ends with the event "logoff" and a close. Passwords are
asked with the client's echo off.
"""

import logging
import re
import uuid

import tags
import wire
import world_data as data
from character import Character
from world_texts import EOL, WELCOME

log = logging.getLogger("devserver")

GREETING = re.compile(r"_zorvik (\S+) (\S+)")
GREETING_TIMEOUT = 30   # seconds for the client's first line
NAME = re.compile(r"[A-Za-z]{2,20}")
NAME_ATTEMPTS = 5
PASSWORD_ATTEMPTS = 3
PET_ATTEMPTS = 5
YES = ("y", "yes")


async def _greeting(term):
    """Read the greeting; a default identifier gets one of its own."""
    greeting = await term.line(GREETING_TIMEOUT)
    if greeting is None:
        return False
    match = GREETING.fullmatch(greeting)
    if not match:
        log.warning("connection %d: first line is not a greeting: %r", term.conn.number, greeting)
        await term.say("This world expects '_zorvik <uuid> <version>' as the first line." + EOL)
        await term.close()
        return False
    if match.group(1).startswith("DFLT"):
        await term.send(tags.uuid(uuid.uuid4().hex))
    return True


async def _goodbye(term, text):
    await term.say(text + EOL)
    await term.close()


async def _password(term, character):
    for _ in range(PASSWORD_ATTEMPTS):
        password = await term.ask_secret("Password: ")
        if password is None:
            return None
        if character.password_is(password):
            return character
        await term.say("Wrong password." + EOL)
    await _goodbye(term, "Too many wrong passwords. Goodbye.")
    return None


async def _abandon(term):
    await term.say("Character creation abandoned." + EOL)
    await term.send(wire.event("logoff"))
    await term.close()


async def _choose_password(term):
    """A password typed twice alike; "" when the tries run out, None when gone."""
    for _ in range(PASSWORD_ATTEMPTS):
        first = await term.ask_secret("Choose a password: ")
        if first is None:
            return None
        if not first:
            await term.say("A password cannot be empty." + EOL)
            continue
        second = await term.ask_secret("Repeat the password: ")
        if second is None:
            return None
        if second == first:
            return first
        await term.say("The two passwords differ. Try again." + EOL)
    return ""


async def _choose_pet(term):
    """The hound's name; "" when the player gives up ("quit"), None when gone."""
    for _ in range(PET_ATTEMPTS):
        answer = await term.ask("A hound pup trots up and sniffs your hand. What will you call it? "
                                "(Enter for %s) " % data.PET_NAME)
        if answer is None:
            return None
        answer = answer.strip()
        if answer.lower() == "quit":
            return ""
        if not answer:
            return data.PET_NAME
        if NAME.fullmatch(answer):
            return answer.capitalize()
        await term.say("A name is 2 to 20 letters." + EOL)
    return data.PET_NAME


async def _create(world, term, name):
    await term.send(wire.event("newcreate"))
    await term.say("Then let us make %s." % name + EOL)
    password = await _choose_password(term)
    pet = await _choose_pet(term) if password else password
    if not pet:
        if pet == "":
            await _abandon(term)
        return None
    character = Character(name, password, pet)
    if not world.add_character(character):
        # Someone else finished creating this name first.
        await term.say("Someone else has just become %s. Come back with another name." % name + EOL)
        await term.send(wire.event("logoff"))
        await term.close()
        return None
    return character


async def log_in(world, term):
    """Run the login; returns (character, created) or None when the
    connection ended without one."""
    if not await _greeting(term):
        return None
    await term.say(WELCOME)
    for _ in range(NAME_ATTEMPTS):
        answer = await term.ask("By what name are you known? ")
        if answer is None:
            return None
        answer = answer.strip()
        if answer.lower() == "quit":
            await _goodbye(term, "Goodbye.")
            return None
        if not NAME.fullmatch(answer):
            await term.say("A name is 2 to 20 letters." + EOL)
            continue
        name = answer.capitalize()
        character = world.characters.get(name)
        if character is not None:
            character = await _password(term, character)
            return None if character is None else (character, False)
        confirm = await term.ask("There is no one called %s in Tarn Hollow." % name + EOL
                                 + "Create a new character named %s? (yes/no) " % name)
        if confirm is None:
            return None
        if confirm.strip().lower() in YES:
            character = await _create(world, term, name)
            return None if character is None else (character, True)
    await _goodbye(term, "Too many tries. Come back when you remember your name.")
    return None
