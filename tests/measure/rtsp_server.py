# SPDX-License-Identifier: GPL-3.0-or-later
"""A test RTSP server on 127.0.0.1 for the measurement tests.

Mounts (640x360, 15 frames a second, H.264, a key frame every 15 frames):
  /cam     open to everyone
  /secure  asks for the name "installer" and the password given as the first argument
  /stall   sends two seconds of video, then nothing, keeping the connection open
Prints "port N" once it listens, then serves until killed.
"""
import sys

try:
    import gi

    gi.require_version("Gst", "1.0")
    gi.require_version("GstRtspServer", "1.0")
    from gi.repository import GLib, Gst, GstRtspServer
except (ImportError, ValueError) as error:
    # The tests skip with this reason.
    print("missing: python3-gi with gir1.2-gst-rtsp-server-1.0 (" + str(error) + ")", flush=True)
    sys.exit(0)

PIPELINE = (
    "( videotestsrc name=src is-live=true pattern=ball ! video/x-raw,width=640,height=360,framerate=15/1 "
    "! x264enc tune=zerolatency speed-preset=ultrafast key-int-max=15 bitrate=400 "
    "! rtph264pay name=pay0 pt=96 config-interval=1 )"
)
STALL_AFTER_NS = 2 * 1000 * 1000 * 1000


def factory(roles, stall=False):
    f = GstRtspServer.RTSPMediaFactory()
    f.set_launch(PIPELINE)
    f.set_shared(False)
    permissions = GstRtspServer.RTSPPermissions()
    # Everyone may see a mount; only `roles` may play it. A client without
    # the right is answered 401 with a Basic challenge.
    for role in ("anonymous", "installer"):
        permissions.add_permission_for_role(role, "media.factory.access", True)
    for role in roles:
        permissions.add_permission_for_role(role, "media.factory.construct", True)
    f.set_permissions(permissions)
    if stall:
        f.connect("media-configure", on_stall_configure)
    return f


def on_stall_configure(_factory, media):
    source = media.get_element().get_by_name("src")
    state = {"first": None}

    def drop_late(_pad, info):
        buf = info.get_buffer()
        if buf is None or buf.pts == Gst.CLOCK_TIME_NONE:
            return Gst.PadProbeReturn.OK
        if state["first"] is None:
            state["first"] = buf.pts
        if buf.pts - state["first"] >= STALL_AFTER_NS:
            return Gst.PadProbeReturn.DROP
        return Gst.PadProbeReturn.OK

    source.get_static_pad("src").add_probe(Gst.PadProbeType.BUFFER, drop_late)


def main():
    password = sys.argv[1] if len(sys.argv) > 1 else "secret"
    Gst.init(None)
    for element, package in (("x264enc", "gstreamer1.0-plugins-ugly"), ("rtph264pay", "gstreamer1.0-plugins-good"),
                             ("videotestsrc", "gstreamer1.0-plugins-base")):
        if Gst.ElementFactory.find(element) is None:
            print("missing: " + element + " (" + package + ")", flush=True)
            return
    server = GstRtspServer.RTSPServer()
    server.set_address("127.0.0.1")
    server.set_service("0")

    auth = GstRtspServer.RTSPAuth()
    anonymous = GstRtspServer.RTSPToken()
    anonymous.set_string("media.factory.role", "anonymous")
    auth.set_default_token(anonymous)
    installer = GstRtspServer.RTSPToken()
    installer.set_string("media.factory.role", "installer")
    auth.add_basic(GstRtspServer.RTSPAuth.make_basic("installer", password), installer)
    server.set_auth(auth)

    mounts = server.get_mount_points()
    mounts.add_factory("/cam", factory(["anonymous", "installer"]))
    mounts.add_factory("/secure", factory(["installer"]))
    mounts.add_factory("/stall", factory(["anonymous", "installer"], stall=True))
    server.attach(None)
    print("port", server.get_bound_port(), flush=True)
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
