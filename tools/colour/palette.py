#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Colours against a background, as seen normally and with the three common colour-vision deficiencies.

    tools/colour/palette.py [--on '#efefef'] NAME=#rrggbb ...

For each colour: its contrast ratio against the background (WCAG: 4.5 to 1 for text, 3 to 1 for a
line), its CIELAB lightness L* and yellow-blue b*; then, for normal vision, deuteranopia,
protanopia and tritanopia (Machado, Oliveira and Fernandes 2009, full strength, in linear RGB, as
simulate_cvd.sh does to pictures), the CIEDE2000 difference of every pair (about 2 is just seen,
10 and more is plainly another colour) and each colour as it is then seen.
"""
import itertools
import math
import sys

M = {  # Machado et al. 2009, severity 1.0, linear RGB
 'deutan': [[0.367322,0.860646,-0.227968],[0.280085,0.672501,0.047413],[-0.011820,0.042940,0.968881]],
 'protan': [[0.152286,1.052583,-0.204868],[0.114503,0.786281,0.099216],[-0.003882,-0.048116,1.051998]],
 'tritan': [[1.255528,-0.076749,-0.178779],[-0.078411,0.930809,0.147602],[0.004733,0.691367,0.303900]],
}
def lin(c): c/=255; return c/12.92 if c<=0.04045 else ((c+0.055)/1.055)**2.4
def enc(l): l=min(1,max(0,l)); return 255*(12.92*l if l<=0.0031308 else 1.055*l**(1/2.4)-0.055)
def hexrgb(h): return [int(h[i:i+2],16) for i in (1,3,5)]
def sim(rgb, kind):
    if kind=='normal': return rgb
    L=[lin(c) for c in rgb]; m=M[kind]
    return [enc(sum(m[i][j]*L[j] for j in range(3))) for i in range(3)]
def Y(rgb): L=[lin(c) for c in rgb]; return 0.2126*L[0]+0.7152*L[1]+0.0722*L[2]
def contrast(a,b): ya,yb=Y(a),Y(b); return (max(ya,yb)+0.05)/(min(ya,yb)+0.05)
def lab(rgb):
    L=[lin(c) for c in rgb]
    X=(0.4124*L[0]+0.3576*L[1]+0.1805*L[2])/0.95047; Yv=0.2126*L[0]+0.7152*L[1]+0.0722*L[2]; Z=(0.0193*L[0]+0.1192*L[1]+0.9505*L[2])/1.08883
    f=lambda t: t**(1/3) if t>0.008856 else 7.787*t+16/116
    return (116*f(Yv)-16, 500*(f(X)-f(Yv)), 200*(f(Yv)-f(Z)))
def de2000(c1,c2):
    L1,a1,b1=lab(c1); L2,a2,b2=lab(c2)
    C1=math.hypot(a1,b1); C2=math.hypot(a2,b2); Cb=(C1+C2)/2
    G=0.5*(1-math.sqrt(Cb**7/(Cb**7+25**7)))
    a1p=(1+G)*a1; a2p=(1+G)*a2; C1p=math.hypot(a1p,b1); C2p=math.hypot(a2p,b2)
    h1=math.degrees(math.atan2(b1,a1p))%360; h2=math.degrees(math.atan2(b2,a2p))%360
    dL=L2-L1; dC=C2p-C1p
    dh=h2-h1
    if C1p*C2p==0: dh=0
    elif dh>180: dh-=360
    elif dh<-180: dh+=360
    dH=2*math.sqrt(C1p*C2p)*math.sin(math.radians(dh/2))
    Lb=(L1+L2)/2; Cbp=(C1p+C2p)/2
    if C1p*C2p==0: hb=h1+h2
    elif abs(h1-h2)<=180: hb=(h1+h2)/2
    elif h1+h2<360: hb=(h1+h2+360)/2
    else: hb=(h1+h2-360)/2
    T=1-0.17*math.cos(math.radians(hb-30))+0.24*math.cos(math.radians(2*hb))+0.32*math.cos(math.radians(3*hb+6))-0.20*math.cos(math.radians(4*hb-63))
    dth=30*math.exp(-((hb-275)/25)**2); RC=2*math.sqrt(Cbp**7/(Cbp**7+25**7))
    SL=1+0.015*(Lb-50)**2/math.sqrt(20+(Lb-50)**2); SC=1+0.045*Cbp; SH=1+0.015*Cbp*T
    RT=-math.sin(math.radians(2*dth))*RC
    return math.sqrt((dL/SL)**2+(dC/SC)**2+(dH/SH)**2+RT*(dC/SC)*(dH/SH))
def main(args):
    background = [255, 255, 255]
    if args[:1] == ['--on']:
        background, args = hexrgb(args[1]), args[2:]
    if not args:
        print(__doc__)
        return 2
    pal = dict(a.split('=') for a in args)
    for n, h in pal.items():
        rgb = hexrgb(h)
        L, _, b = lab(rgb)
        print(f"{n} {h}: contrast {contrast(rgb, background):.2f}, L* {L:.0f}, b* {b:.0f}")
    for kind in ['normal', 'deutan', 'protan', 'tritan']:
        pairs = ' '.join(f"{n1}-{n2} {de2000(sim(hexrgb(h1), kind), sim(hexrgb(h2), kind)):.0f}"
                         for (n1, h1), (n2, h2) in itertools.combinations(pal.items(), 2))
        seen = ' '.join(n + ' #%02x%02x%02x' % tuple(round(v) for v in sim(hexrgb(h), kind)) for n, h in pal.items())
        print(f"{kind:7} {pairs} | {seen}")
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
