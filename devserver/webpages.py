"""Content of the web host and the information host: path -> HTML page."""

import html


def page(title, text):
    return ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%s</title></head>\n"
            "<body><h1>%s</h1><p>%s</p></body></html>\n"
            % (html.escape(title), html.escape(title), html.escape(text))).encode("utf-8")


WEB_PAGES = {
    "/": page("Tarn Hollow", "The local web host of the Tarn Hollow world."),
    "/forum": page("Tarn Hollow Player Forums", "No posts yet."),
    "/guides": page("Tarn Hollow Player Guides", "Walk with n, s, e, w, u and d; look around with look."),
    "/maps": page("Tarn Hollow Maps", "The green, the shore, the mill, the pines and the watchtower."),
    "/quests": page("Tarn Hollow Quest Guides", "No quests yet."),
}

INFO_PAGES = {
    "/": page("Tarn Hollow Information", "The local information host of the Tarn Hollow world."),
    "/help": page("Tarn Hollow Help", "Type help in the game for the commands."),
    "/shops": page("Tarn Hollow Stores and Shops", "The mill sells flour."),
    "/spells": page("Tarn Hollow Spells and Skills", "None known."),
    "/areas": page("Tarn Hollow Areas", "Hollow Green and its surroundings."),
    "/rules": page("Tarn Hollow Rules", "Be kind."),
    "/commands": page("Tarn Hollow Commands", "look, say, help, version, quit and the directions."),
    "/socials": page("Tarn Hollow Socials", "None yet."),
    "/faq": page("Tarn Hollow FAQ", "Any password is accepted here."),
    "/changes": page("Tarn Hollow Changelog", "The world was made."),
}
